# The core's tests in a Windows build, less those of files still without their Windows side
# (cmake/WindowsBuild.cmake), run under Wine.
set(folders ${VESTRA_LAYERS})
list(REMOVE_ITEM folders web)
foreach(folder ${folders})
    include(${CMAKE_CURRENT_SOURCE_DIR}/${folder}/tests.cmake)
endforeach()
list(REMOVE_ITEM VESTRA_CORE_TESTS ${VESTRA_WINDOWS_PENDING_TESTS})

add_executable(vestra_core_tests ${VESTRA_CORE_TESTS})
target_include_directories(vestra_core_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(vestra_core_tests PRIVATE vestra_core GTest::gtest_main)
add_test(NAME windows_core_tests COMMAND vestra_core_tests)
