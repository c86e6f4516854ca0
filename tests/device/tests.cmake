list(APPEND VESTRA_CORE_TESTS
    device/CommSessionTest.cpp
    device/DumpFieldsTest.cpp
    device/DumpParserTest.cpp
    device/ReadingProgressTest.cpp
    device/DeviceCommandsTest.cpp
    device/ConnectionTest.cpp
    device/CommCtlTest.cpp
    device/PortLockTest.cpp
    device/LineTraceTest.cpp
    device/PortSurveyTest.cpp
    device/CommResultMessagesTest.cpp
    device/ClockInputTest.cpp
    device/SettingsListTextTest.cpp
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

if(VESTRA_BUILD_UI)
    find_package(Qt6 REQUIRED COMPONENTS Test)
    add_executable(vestra_term_window_tests device/TermWindowTest.cpp)
    target_include_directories(vestra_term_window_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(vestra_term_window_tests PRIVATE vestra_ui Qt6::Test)
    add_test(NAME term_window COMMAND vestra_term_window_tests)
    set_tests_properties(term_window PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)

    # The serial port with the tool's waiter and the window's, one suite on pseudo-terminals.
    add_executable(vestra_port_tests ${CMAKE_CURRENT_SOURCE_DIR}/device/PortConformanceTest.cpp)
    target_include_directories(vestra_port_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(vestra_port_tests PRIVATE vestra_ui vestra_sim_lib GTest::gtest)
    gtest_discover_tests(vestra_port_tests DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)

    foreach(window frmTime frmSetAll)
        add_executable(${window}Test device/${window}Test.cpp)
        target_include_directories(${window}Test PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
        target_link_libraries(${window}Test PRIVATE vestra_ui Qt6::Test)
        add_test(NAME ${window}Test COMMAND ${window}Test)
        set_tests_properties(${window}Test PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
    endforeach()
endif()

# The main window's device commands against the simulator program on a pseudo-terminal.
if(VESTRA_BUILD_UI)
    add_executable(DeviceOperationsTest device/DeviceOperationsTest.cpp)
    target_include_directories(DeviceOperationsTest PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(DeviceOperationsTest PRIVATE vestra_ui Qt6::Test)
    add_dependencies(DeviceOperationsTest vestra-sim)
    target_compile_definitions(DeviceOperationsTest
                               PRIVATE VESTRA_SIM_PROGRAM="$<TARGET_FILE:vestra-sim>")
    add_test(NAME DeviceOperationsTest COMMAND DeviceOperationsTest)
    set_tests_properties(DeviceOperationsTest PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()
