list(APPEND VESTRA_CORE_SOURCES
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
    shell/QtMessageSink.h
    shell/QtMessageSink.cpp
    shell/SelectAllText.h
    shell/SelectAllText.cpp
)
