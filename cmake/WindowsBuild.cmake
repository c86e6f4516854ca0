# What a Windows build (cmake/mingw-w64-x86_64.cmake, tools/build-windows.sh) takes from this
# Debian machine instead of its find_package modules, which would hand the cross compiler the
# host's /usr/include.

# -O2 as the Linux build: GCC 12's -O3 gives false -Wrestrict warnings inside std::string.
string(REPLACE "-O3" "-O2" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")

# Header-only libraries as Debian ships them, seen through a folder that holds only them.
set(host_headers ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${host_headers})
foreach(folder nlohmann CLI)
    file(CREATE_LINK /usr/include/${folder} ${host_headers}/${folder} SYMBOLIC)
endforeach()
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED GLOBAL)
add_library(CLI11::CLI11 INTERFACE IMPORTED GLOBAL)
set_target_properties(nlohmann_json::nlohmann_json CLI11::CLI11 PROPERTIES
                      INTERFACE_INCLUDE_DIRECTORIES ${host_headers})

# GoogleTest compiled for Windows from the source Debian's googletest package ships.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
# Its own CMake files name the targets GTest::gtest and GTest::gtest_main.
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Core files whose Windows side is still to be written: left out of the Windows core, and the
# tests that need them out of its tests, until each has its Windows file beside it.
set(VESTRA_WINDOWS_PENDING_SOURCES
    start/HandOver.cpp)
set(VESTRA_WINDOWS_PENDING_TESTS
    base/SettingsTest.cpp serial/LineTraceTest.cpp
    history/SqliteFileTest.cpp history/HistoryTextTest.cpp history/HistoryStoreTest.cpp
    history/DamagedDatabaseTest.cpp history/ContentKeyMigrationTest.cpp start/HandOverTest.cpp)
