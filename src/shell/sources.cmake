list(APPEND VESTRA_CORE_SOURCES
    shell/AboutText.h
    shell/AboutText.cpp
    shell/AppArguments.h
    shell/AppArguments.cpp
    shell/AppInfo.h
    shell/AtomicFile.h
    shell/AtomicFile.cpp
    shell/Common.h
    shell/Common.cpp
    shell/DateTime.h
    shell/DateTime.cpp
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
    shell/StartupSettings.h
    shell/StartFolder.h
    shell/StartFolder.cpp
    shell/StartupSettings.cpp
    shell/TextCodec.h
    shell/TextCodec.cpp
)
list(APPEND VESTRA_UI_SOURCES
    shell/CloseGuard.h
    shell/CloseGuard.cpp
    shell/DesktopSetup.h
    shell/DesktopSetup.cpp
    shell/frmAbout.h
    shell/frmAbout.cpp
    shell/frmSplash.h
    shell/frmSplash.cpp
    shell/HelpWindow.h
    shell/HelpWindow.cpp
    shell/QtMessageSink.h
    shell/QtMessageSink.cpp
    shell/SingleInstance.h
    shell/SingleInstance.cpp
    shell/Startup.h
    shell/Startup.cpp
    shell/SelectAllText.h
    shell/SelectAllText.cpp
)

# An installed program finds its help document in the data folder, at this path from its own.
file(RELATIVE_PATH help_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/vestra/help)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/InstallLayout.cpp PROPERTIES
    COMPILE_DEFINITIONS VESTRA_HELP_FROM_BIN="${help_from_bin}")
