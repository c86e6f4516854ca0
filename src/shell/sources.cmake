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
    shell/LoadedModule.h
    shell/LoadedModule.cpp
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

# An installed program finds its help document in the data folder, its modules in the library
# folder and the private programs in libexec/vestra, each at a path relative to its own folder;
# a program of the build tree finds modules and private programs in the build tree's lib/.
file(RELATIVE_PATH help_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/vestra/help)
file(RELATIVE_PATH modules_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBDIR}/vestra)
file(RELATIVE_PATH programs_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBEXECDIR}/vestra)
file(RELATIVE_PATH bin_from_programs ${CMAKE_INSTALL_FULL_LIBEXECDIR}/vestra
     ${CMAKE_INSTALL_FULL_BINDIR})
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/InstallLayout.cpp PROPERTIES
    COMPILE_DEFINITIONS
    "VESTRA_HELP_FROM_BIN=\"${help_from_bin}\";VESTRA_BUILD_TREE=\"${CMAKE_BINARY_DIR}\";VESTRA_MODULES_FROM_BIN=\"${modules_from_bin}\";VESTRA_PROGRAMS_FROM_BIN=\"${programs_from_bin}\";VESTRA_BIN_FROM_PROGRAMS=\"${bin_from_programs}\"")
