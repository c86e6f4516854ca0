list(APPEND VESTRA_CORE_TESTS
    devicesettings/EditorTextsTest.cpp
    devicesettings/FieldTextTest.cpp
    devicesettings/SettingsFormTest.cpp
    devicesettings/SettingsTextTest.cpp
    devicesettings/StepScaleTest.cpp
    devicesettings/SettingsListTextTest.cpp
)
vestra_add_window_tests(frmSetTest devicesettings/frmSetTest.cpp frmSetTest)
vestra_add_window_tests(frmSetAllTest devicesettings/frmSetAllTest.cpp frmSetAllTest)
