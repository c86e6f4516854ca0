list(APPEND VESTRA_CORE_TESTS
    serial/LineTraceTest.cpp
    serial/PortNamesTest.cpp
    serial/PortSurveyTest.cpp
    serial/PortListingJsonTest.cpp
)
# The platform's own side: the lock file and sysfs, or the COM port (its line cases run where
# VESTRA_TEST_COM names a port with the simulator behind it: tests/serial/wine-com-port.sh).
if(WIN32)
    list(APPEND VESTRA_CORE_TESTS serial/WindowsSerialPortTest.cpp serial/WindowsPortSurveyTest.cpp)
else()
    list(APPEND VESTRA_CORE_TESTS serial/PortLockTest.cpp serial/PosixPortSurveyTest.cpp)
endif()

# The serial port with the tool's waiter and the window's, one suite on pseudo-terminals.
if(VESTRA_BUILD_UI)
    add_executable(vestra_port_tests ${CMAKE_CURRENT_SOURCE_DIR}/serial/PortConformanceTest.cpp)
    target_include_directories(vestra_port_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(vestra_port_tests PRIVATE vestra_ui vestra_sim_lib GTest::gtest)
    gtest_discover_tests(vestra_port_tests DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()
