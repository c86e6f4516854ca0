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
# The end-to-end cases run the simulator program itself.
add_dependencies(vestra_sim_tests vestra-sim)
target_compile_definitions(vestra_sim_tests PRIVATE VESTRA_SIM_PROGRAM="$<TARGET_FILE:vestra-sim>")
gtest_discover_tests(vestra_sim_tests DISCOVERY_TIMEOUT 60)

if(VESTRA_BUILD_UI)
    find_package(Qt6 REQUIRED COMPONENTS Test)
    add_executable(vestra_qtport_tests ${CMAKE_CURRENT_SOURCE_DIR}/device/QtSerialPortTest.cpp)
    set_target_properties(vestra_qtport_tests PROPERTIES AUTOMOC ON)
    target_link_libraries(vestra_qtport_tests PRIVATE vestra_ui vestra_sim_lib Qt6::Test)
    add_test(NAME vestra_qtport_tests COMMAND vestra_qtport_tests)
    set_tests_properties(vestra_qtport_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()
