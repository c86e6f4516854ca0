list(APPEND VESTRA_CORE_SOURCES
    shell/AboutText.h
    shell/AboutText.cpp
    shell/AppInfo.h
    shell/Common.h
    shell/Common.cpp
    shell/DateTime.h
    shell/DateTime.cpp
    shell/FileFunc.h
    shell/FileFunc.cpp
    shell/MessageSink.h
    shell/NumberFormat.h
    shell/NumberFormat.cpp
    shell/TextCodec.h
    shell/TextCodec.cpp
)
list(APPEND VESTRA_UI_SOURCES
    shell/CloseGuard.h
    shell/CloseGuard.cpp
    shell/frmAbout.h
    shell/frmAbout.cpp
    shell/HelpWindow.h
    shell/HelpWindow.cpp
    shell/QtMessageSink.h
    shell/QtMessageSink.cpp
)
