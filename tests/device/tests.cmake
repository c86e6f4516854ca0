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

vestra_add_window_tests(vestra_term_window_tests device/TermWindowTest.cpp term_window)
vestra_add_window_tests(frmTimeTest device/frmTimeTest.cpp frmTimeTest)

# The main window's device commands against the simulator program on a pseudo-terminal.
vestra_add_window_tests(DeviceOperationsTest device/DeviceOperationsTest.cpp DeviceOperationsTest)
if(TARGET DeviceOperationsTest)
    add_dependencies(DeviceOperationsTest vestra-sim)
    target_compile_definitions(DeviceOperationsTest
                               PRIVATE VESTRA_SIM_PROGRAM="$<TARGET_FILE:vestra-sim>")
endif()
