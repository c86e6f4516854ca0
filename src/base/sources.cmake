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
    base/ModuleLibrary.h
    base/MessageSink.h
    base/OutputPath.h
    base/FileReplace.h
    base/PathText.h
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
# tables, the local time from localtime_r or localtime_s; the file services (the replace of a
# saved file and its temporaries, the output's checks, the bounded read, the program's folder)
# from the POSIX calls or the Windows API's wide functions; the user's folders by the XDG rule or
# the system's known folders, the program's own path from /proc/self/exe or GetModuleFileNameW,
# modules through dlopen or LoadLibraryExW, the documents folder and whether the program's folder
# may be written.
foreach(service Sha256 CodePage932 LocalTime FileReplace TemporaryFile OutputPath FileRead
        FileFunc UserFolders InstallLayout ModuleLibrary StartFolder)
    list(APPEND VESTRA_CORE_SOURCES base/${VESTRA_PLATFORM}${service}.cpp)
endforeach()
# What the platform's files share: the POSIX temporary file; on Windows the UTF-16 of its API,
# its error codes in the program's words, what a name leads to and the known folders.
if(WIN32)
    foreach(helper WindowsText WindowsFileFault WindowsPathKind WindowsKnownFolder)
        list(APPEND VESTRA_CORE_SOURCES base/${helper}.h base/${helper}.cpp)
    endforeach()
else()
    list(APPEND VESTRA_CORE_SOURCES base/PosixTemporaryFile.h)
endif()
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
# Installed on Windows, the programs, their modules and the private programs share one folder,
# as Windows finds a program's libraries beside it, and the help is in help/ there.
if(VESTRA_PLATFORM STREQUAL Windows)
    set(help_from_bin help)
    set(modules_from_bin .)
    set(programs_from_bin .)
    set(bin_from_programs .)
else()
    file(RELATIVE_PATH help_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
         ${CMAKE_INSTALL_FULL_DATADIR}/vestra/help)
    file(RELATIVE_PATH modules_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
         ${CMAKE_INSTALL_FULL_LIBDIR}/vestra)
    file(RELATIVE_PATH programs_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
         ${CMAKE_INSTALL_FULL_LIBEXECDIR}/vestra)
    file(RELATIVE_PATH bin_from_programs ${CMAKE_INSTALL_FULL_LIBEXECDIR}/vestra
         ${CMAKE_INSTALL_FULL_BINDIR})
endif()
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/InstallLayout.cpp PROPERTIES
    COMPILE_DEFINITIONS
    "VESTRA_HELP_FROM_BIN=\"${help_from_bin}\";VESTRA_BUILD_TREE=\"${CMAKE_BINARY_DIR}\";VESTRA_MODULES_FROM_BIN=\"${modules_from_bin}\";VESTRA_PROGRAMS_FROM_BIN=\"${programs_from_bin}\";VESTRA_BIN_FROM_PROGRAMS=\"${bin_from_programs}\"")
