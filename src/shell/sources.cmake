list(APPEND VESTRA_CORE_SOURCES
    shell/AboutText.h
    shell/AboutText.cpp
    shell/AppInfo.h
    shell/AsciiText.h
    shell/AsciiText.cpp
    shell/AtomicFile.h
    shell/AtomicFile.cpp
    shell/DateTime.h
    shell/DateTime.cpp
    shell/JsonText.h
    shell/JsonText.cpp
    shell/FileFault.h
    shell/FileFault.cpp
    shell/FileFunc.h
    shell/FileFunc.cpp
    shell/FileRead.h
    shell/FileRead.cpp
    shell/IniFile.h
    shell/IniFile.cpp
    shell/InstallLayout.h
    shell/InstallLayout.cpp
    shell/MessageSink.h
    shell/OutputPath.h
    shell/OutputPath.cpp
    shell/TemporaryFile.h
    shell/TemporaryFile.cpp
    shell/NumberFormat.h
    shell/NumberFormat.cpp
    shell/ProgramVersion.h
    shell/ProgramVersion.cpp
    shell/Settings.h
    shell/Settings.cpp
    shell/SettingsDocument.h
    shell/SettingsDocument.cpp
    shell/StartFolder.h
    shell/StartFolder.cpp
    shell/TemperatureUnit.h
    shell/TemperatureUnit.cpp
    shell/TextCodec.h
    shell/TextCodec.cpp
    shell/WriteAll.h
    shell/WriteAll.cpp
    shell/VisibleText.h
    shell/VisibleText.cpp
)
list(APPEND VESTRA_UI_SOURCES
    shell/QtMessageSink.h
    shell/QtMessageSink.cpp
    shell/QtCloseGuard.h
    shell/QtCloseGuard.cpp
    shell/QtSelectAllText.h
    shell/QtSelectAllText.cpp
)

# An installed program finds its help document in the data folder, at this path from its own.
file(RELATIVE_PATH help_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/vestra/help)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/InstallLayout.cpp PROPERTIES
    COMPILE_DEFINITIONS VESTRA_HELP_FROM_BIN="${help_from_bin}")
