# The application's composition: the session that owns the data, the settings and the main
# window, the commands that connect the windows, and the device operations of the main window.
# It sits above every other folder and nothing below includes it.
list(APPEND VESTRA_UI_SOURCES
    session/AppSession.h
    session/AppSession.cpp
    session/AppCommands.h
    session/AppCommands.cpp
    session/DeviceOperations.h
    session/DeviceOperations.cpp
)
