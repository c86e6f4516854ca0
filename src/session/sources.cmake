# The application's composition: the session that owns the data, the settings and the main
# window, the commands that connect the windows, and the device operations of the main window.
# It sits above every other folder and nothing below includes it.
list(APPEND VESTRA_UI_SOURCES
    session/QtAppCommands.h
    session/QtAppCommands.cpp
    session/QtAppSession.h
    session/QtAppSession.cpp
    session/QtDeviceOperations.h
    session/QtDeviceOperations.cpp
    session/QtFileCommandHandler.h
    session/QtFileCommandHandler.cpp
    session/QtHelpWindow.h
    session/QtHelpWindow.cpp
    session/frmAbout.h
    session/frmAbout.cpp
    session/QtChartPanel.h
    session/QtChartPanel.cpp
)
