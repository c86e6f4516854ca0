list(APPEND VESTRA_CORE_TESTS
    devicesettings/EditorTextsTest.cpp
    devicesettings/FieldTextTest.cpp
    devicesettings/SettingsFormTest.cpp
    devicesettings/StepScaleTest.cpp
)
