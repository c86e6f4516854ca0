# The application's start: its arguments, the single-instance lock, the desktop's set-up, the
# start-up settings and the type question. Only the application's entry point includes these.
list(APPEND VESTRA_UI_SOURCES
    start/QtDesktopSetup.h
    start/QtDesktopSetup.cpp
    start/QtAppStyle.h
    start/QtAppStyle.cpp
    start/QtBuiltInImages.h
    start/QtBuiltInImages.cpp
    start/QtHandOverReceiver.h
    start/QtHandOverReceiver.cpp
    start/QtSingleInstance.h
    start/QtSingleInstance.cpp
    start/QtStartup.h
    start/QtStartup.cpp
    start/frmSplash.h
    start/frmSplash.cpp
)

list(APPEND VESTRA_CORE_SOURCES
    start/StartupSettings.h
    start/StartupSettings.cpp
    start/AppArguments.h
    start/AppArguments.cpp
    start/HandOver.h
    start/HandOver.cpp
)
