list(APPEND VESTRA_CORE_SOURCES
    base/AboutText.h
    base/AboutText.cpp
    base/AppInfo.h
    base/AsciiText.h
    base/AsciiText.cpp
    base/AtomicFile.h
    base/AtomicFile.cpp
    base/DateTime.h
    base/DateTime.cpp
    base/JsonText.h
    base/JsonText.cpp
    base/Error.h
    base/Expected.h
    base/FileFault.h
    base/FileFault.cpp
    base/FileFunc.h
    base/FileFunc.cpp
    base/FileRead.h
    base/FileRead.cpp
    base/IniFile.h
    base/IniFile.cpp
    base/InstallLayout.h
    base/InstallLayout.cpp
    base/LoadedModule.h
    base/LoadedModule.cpp
    base/MessageSink.h
    base/OutputPath.h
    base/OutputPath.cpp
    base/TemporaryFile.h
    base/TemporaryFile.cpp
    base/NumberFormat.h
    base/NumberFormat.cpp
    base/ProgramVersion.h
    base/ProgramVersion.cpp
    base/Settings.h
    base/Settings.cpp
    base/SettingsDocument.h
    base/SettingsDocument.cpp
    base/Sha256.h
    base/Sha256.cpp
    base/StartFolder.h
    base/StartFolder.cpp
    base/UserFolders.h
    base/UserFolders.cpp
    base/TemperatureUnit.h
    base/TemperatureUnit.cpp
    base/TextCodec.h
    base/TextCodec.cpp
    base/CodePage932.h
    base/LocalTime.h
    base/WriteAll.h
    base/WriteAll.cpp
    base/VisibleText.h
    base/VisibleText.cpp
)
# The platform services, each in the file named for the platform: SHA-256 from nettle
# (src/CMakeLists.txt links it) or CNG's BCryptHash, code page 932 from iconv or the system's
# tables, the local time from localtime_r or localtime_s.
foreach(service Sha256 CodePage932 LocalTime)
    list(APPEND VESTRA_CORE_SOURCES base/${VESTRA_PLATFORM}${service}.cpp)
endforeach()
list(APPEND VESTRA_UI_SOURCES
    base/QtMessageSink.h
    base/QtMessageSink.cpp
    base/QtCloseGuard.h
    base/QtCloseGuard.cpp
    base/QtSelectAllText.h
    base/QtSelectAllText.cpp
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
