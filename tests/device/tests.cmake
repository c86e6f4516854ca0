# Clock dialog and settings list.
list(APPEND VESTRA_CORE_TESTS
    device/ClockInputTest.cpp
    device/SettingsListTextTest.cpp
)
