list(APPEND VESTRA_CORE_TESTS
    base/AboutTextTest.cpp
    base/TextCodecTest.cpp
    base/VisibleTextTest.cpp
    base/TemperatureUnitTest.cpp
    base/NumberFormatTest.cpp
    base/JsonTextTest.cpp
    base/DateTimeTest.cpp
    base/FileFuncTest.cpp
    base/AtomicFileTest.cpp
    base/FileReadTest.cpp
    base/FileFaultTest.cpp
    base/IniFileTest.cpp
    base/SettingsTest.cpp
    base/InstallLayoutTest.cpp
    base/LoadedModuleTest.cpp
    base/ProgramVersionTest.cpp
    base/StartFolderTest.cpp
    base/Sha256Test.cpp
    base/UserFoldersTest.cpp
    base/ExpectedTest.cpp
)
set_source_files_properties(base/ProgramVersionTest.cpp PROPERTIES
    COMPILE_DEFINITIONS VESTRA_PROJECT_VERSION="${PROJECT_VERSION}")

# The desktop files as shipped, checked by the tools the desktops themselves use.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(DESKTOP_FILE_VALIDATE AND APPSTREAMCLI AND NOT WIN32)
    add_test(NAME desktop_entry_valid COMMAND ${DESKTOP_FILE_VALIDATE}
             ${PROJECT_SOURCE_DIR}/packaging/com.morva.Vestra.desktop)
    add_test(NAME metainfo_valid COMMAND ${APPSTREAMCLI} validate --no-net
             ${PROJECT_SOURCE_DIR}/packaging/com.morva.Vestra.metainfo.xml)
endif()

if(VESTRA_BUILD_UI)
    add_executable(vestra_mime_tests base/MimeTypesTest.cpp)
    target_compile_definitions(vestra_mime_tests PRIVATE
        VESTRA_MIME_XML="${PROJECT_SOURCE_DIR}/packaging/vestra-mime.xml"
        VESTRA_TEST_FILES="${CMAKE_CURRENT_SOURCE_DIR}")
    target_link_libraries(vestra_mime_tests PRIVATE Qt6::Core Qt6::Test)
    add_test(NAME mime_types COMMAND vestra_mime_tests)
endif()
