# Clock dialog, settings list and the seam through which they run connections.
list(APPEND VESTRA_CORE_SOURCES
    device/ClockInput.h
    device/ClockInput.cpp
    device/ConnectionRunner.h
    device/SettingsListText.h
    device/SettingsListText.cpp
)
list(APPEND VESTRA_UI_SOURCES
    device/frmSetAll.h
    device/frmSetAll.cpp
    device/frmTime.h
    device/frmTime.cpp
)
