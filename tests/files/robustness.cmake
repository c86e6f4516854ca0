# Saves interrupted by a kill and saves onto a full file system, run against a helper program
# that saves as the Save command does.
add_executable(vestra_save_victim files/SaveVictim.cpp)
target_include_directories(vestra_save_victim PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(vestra_save_victim PRIVATE vestra_core)

add_executable(vestra_save_robustness_tests
    files/InterruptedSaveTest.cpp
    files/FullDiskSaveTest.cpp
)
target_include_directories(vestra_save_robustness_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_definitions(vestra_save_robustness_tests PRIVATE
    VESTRA_SAVE_VICTIM="$<TARGET_FILE:vestra_save_victim>")
target_link_libraries(vestra_save_robustness_tests PRIVATE vestra_core GTest::gtest_main)
add_dependencies(vestra_save_robustness_tests vestra_save_victim)
gtest_discover_tests(vestra_save_robustness_tests DISCOVERY_TIMEOUT 60)
