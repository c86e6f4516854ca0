# The simulated thermometer, tested on pseudo-terminals.
add_executable(vestra_sim_tests
    ${CMAKE_CURRENT_SOURCE_DIR}/app/sim/SimDeviceTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/app/sim/SimMemoryTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/app/sim/SimOptionsTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/app/sim/SimProgramTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/app/sim/SimSenderTest.cpp
)
target_include_directories(vestra_sim_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(vestra_sim_tests PRIVATE vestra_sim_lib GTest::gtest_main)
# The end-to-end cases run the simulator program itself.
add_dependencies(vestra_sim_tests vestra-sim)
target_compile_definitions(vestra_sim_tests PRIVATE VESTRA_SIM_PROGRAM="$<TARGET_FILE:vestra-sim>")
gtest_discover_tests(vestra_sim_tests DISCOVERY_TIMEOUT 60)
