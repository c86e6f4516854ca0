list(APPEND VESTRA_CORE_SOURCES
    devicesettings/EditorTexts.h
    devicesettings/EditorTexts.cpp
    devicesettings/FieldText.h
    devicesettings/FieldText.cpp
    devicesettings/SettingDefaults.h
    devicesettings/SettingDefaults.cpp
    devicesettings/SettingsForm.h
    devicesettings/SettingsForm.cpp
    devicesettings/SettingsLine.h
    devicesettings/SettingsLine.cpp
    devicesettings/SettingsText.h
    devicesettings/SettingsText.cpp
    devicesettings/StepScale.h
    devicesettings/StepScale.cpp
    devicesettings/SettingsListText.h
    devicesettings/SettingsListText.cpp
)
list(APPEND VESTRA_UI_SOURCES
    devicesettings/frmSet.h
    devicesettings/frmSet.cpp
    devicesettings/QtGroupPage.h
    devicesettings/QtGroupPage.cpp
    devicesettings/QtUpDownButtons.h
    devicesettings/QtUpDownButtons.cpp
    devicesettings/frmSetAll.h
    devicesettings/frmSetAll.cpp
)
