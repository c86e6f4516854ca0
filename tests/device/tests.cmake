# The simulated thermometer and the termios port, tested against each other on pseudo-terminals.
add_executable(vestra_sim_tests
    ${CMAKE_CURRENT_SOURCE_DIR}/device/PosixSerialPortTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/device/SimDeviceTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/device/SimMemoryTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/device/SimOptionsTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/device/SimProgramTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/device/SimSenderTest.cpp
)
target_link_libraries(vestra_sim_tests PRIVATE vestra_sim_lib GTest::gtest_main)
target_compile_definitions(vestra_sim_tests PRIVATE VESTRA_SIM_PROGRAM="$<TARGET_FILE:vestra-sim>")
gtest_discover_tests(vestra_sim_tests DISCOVERY_TIMEOUT 60)
