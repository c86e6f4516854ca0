list(APPEND VESTRA_CORE_TESTS
    device/CommSessionTest.cpp
    device/DumpFieldsTest.cpp
    device/DumpParserTest.cpp
    device/ReadingProgressTest.cpp
    device/DeviceCommandsTest.cpp
    device/ConnectionTest.cpp
    device/CommCtlTest.cpp
    device/CommResultMessagesTest.cpp
    device/ClockInputTest.cpp
)

# The simulated thermometer, tested on pseudo-terminals.
add_executable(vestra_sim_tests
    ${CMAKE_CURRENT_SOURCE_DIR}/device/SimDeviceTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/device/SimMemoryTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/device/SimOptionsTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/device/SimProgramTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/device/SimSenderTest.cpp
)
target_include_directories(vestra_sim_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(vestra_sim_tests PRIVATE vestra_sim_lib GTest::gtest_main)
# The end-to-end cases run the simulator program itself.
add_dependencies(vestra_sim_tests vestra-sim)
target_compile_definitions(vestra_sim_tests PRIVATE VESTRA_SIM_PROGRAM="$<TARGET_FILE:vestra-sim>")
gtest_discover_tests(vestra_sim_tests DISCOVERY_TIMEOUT 60)

vestra_add_window_tests(vestra_term_window_tests device/TermWindowTest.cpp term_window)
vestra_add_window_tests(frmTimeTest device/frmTimeTest.cpp frmTimeTest)

# The main window's device commands against the simulator program on a pseudo-terminal.
vestra_add_window_tests(DeviceOperationsTest device/DeviceOperationsTest.cpp DeviceOperationsTest)
if(TARGET DeviceOperationsTest)
    add_dependencies(DeviceOperationsTest vestra-sim)
    target_compile_definitions(DeviceOperationsTest
                               PRIVATE VESTRA_SIM_PROGRAM="$<TARGET_FILE:vestra-sim>")
endif()
