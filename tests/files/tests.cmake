list(APPEND VESTRA_CORE_TESTS
    files/DataFileTest.cpp
    files/DataFileRobustnessTest.cpp
    files/ExportTest.cpp
    files/JsonExportTest.cpp
    files/FileCommandsTest.cpp
    files/GoldenNativeFileTest.cpp
    files/OutputPlaceTest.cpp
)
set(VESTRA_FILES_EXPECTED_DIR ${CMAKE_CURRENT_SOURCE_DIR}/files/expected)
set_property(SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/files/ExportTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/files/GoldenNativeFileTest.cpp APPEND PROPERTY
    COMPILE_DEFINITIONS VESTRA_EXPECTED_DIR="${VESTRA_FILES_EXPECTED_DIR}")

# The robustness tests again, with the reader and its helpers built under AddressSanitizer and
# UndefinedBehaviorSanitizer so that an out-of-bounds read fails the test instead of passing
# unnoticed.
function(vestra_add_files_asan_tests)
    set(VESTRA_CORE_SOURCES)
    foreach(subsystem base data files)
        include(${PROJECT_SOURCE_DIR}/src/${subsystem}/sources.cmake)
    endforeach()
    list(FILTER VESTRA_CORE_SOURCES INCLUDE REGEX "\\.cpp$")
    list(TRANSFORM VESTRA_CORE_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/src/)
    add_executable(vestra_files_asan_tests files/DataFileRobustnessTest.cpp ${VESTRA_CORE_SOURCES})
    target_include_directories(vestra_files_asan_tests PRIVATE
        ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/src)
    set(sanitize -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_compile_options(vestra_files_asan_tests PRIVATE ${sanitize})
    target_link_options(vestra_files_asan_tests PRIVATE ${sanitize})
    # The helpers' SHA-256 comes from nettle, as the core links it.
    target_link_libraries(vestra_files_asan_tests PRIVATE GTest::gtest_main
                                                          $<TARGET_NAME_IF_EXISTS:PkgConfig::NETTLE>)
    gtest_discover_tests(vestra_files_asan_tests TEST_PREFIX "asan." DISCOVERY_TIMEOUT 60)
endfunction()
if(NOT WIN32) # MinGW has no sanitizers
    vestra_add_files_asan_tests()
endif()

list(APPEND VESTRA_CORE_TESTS files/FileChoiceTest.cpp)

# The Qt save dialog itself, driven offscreen as a user drives it.
vestra_add_window_tests(vestra_file_dialog_tests files/QtFileDialogsTest.cpp file_dialogs)
