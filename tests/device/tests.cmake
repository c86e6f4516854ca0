list(APPEND VESTRA_CORE_TESTS
    device/CommSessionTest.cpp
    device/DumpFieldsTest.cpp
    device/DumpParserTest.cpp
    device/DeviceCommandsTest.cpp
    device/ConnectionTest.cpp
    device/CommCtlTest.cpp
    device/CommResultMessagesTest.cpp
)
