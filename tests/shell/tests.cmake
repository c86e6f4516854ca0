list(APPEND VESTRA_CORE_TESTS
    shell/AboutTextTest.cpp
    shell/TextCodecTest.cpp
    shell/VisibleTextTest.cpp
    shell/TemperatureUnitTest.cpp
    shell/NumberFormatTest.cpp
    shell/JsonTextTest.cpp
    shell/DateTimeTest.cpp
    shell/FileFuncTest.cpp
    shell/AtomicFileTest.cpp
    shell/FileReadTest.cpp
    shell/IniFileTest.cpp
    shell/SettingsTest.cpp
    shell/InstallLayoutTest.cpp
    shell/ProgramVersionTest.cpp
    shell/StartFolderTest.cpp
)
set_source_files_properties(shell/ProgramVersionTest.cpp PROPERTIES
    COMPILE_DEFINITIONS VESTRA_PROJECT_VERSION="${PROJECT_VERSION}")

# The desktop files as shipped, checked by the tools the desktops themselves use.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(DESKTOP_FILE_VALIDATE AND APPSTREAMCLI)
    add_test(NAME desktop_entry_valid COMMAND ${DESKTOP_FILE_VALIDATE}
             ${PROJECT_SOURCE_DIR}/packaging/com.morva.Vestra.desktop)
    add_test(NAME metainfo_valid COMMAND ${APPSTREAMCLI} validate --no-net
             ${PROJECT_SOURCE_DIR}/packaging/com.morva.Vestra.metainfo.xml)
endif()

if(VESTRA_BUILD_UI)
    add_executable(vestra_mime_tests shell/MimeTypesTest.cpp)
    target_compile_definitions(vestra_mime_tests PRIVATE
        VESTRA_MIME_XML="${PROJECT_SOURCE_DIR}/packaging/vestra-mime.xml"
        VESTRA_TEST_FILES="${CMAKE_CURRENT_SOURCE_DIR}")
    target_link_libraries(vestra_mime_tests PRIVATE Qt6::Core Qt6::Test)
    add_test(NAME mime_types COMMAND vestra_mime_tests)
endif()

# The manual pages and the bash completion against what the programs' help lists.
if(TARGET vestra-report)
    vestra_add_tool_tests(vestra_cli_manual_tests shell/CliManualTest.cpp)
    add_dependencies(vestra_cli_manual_tests vestra-sim vestra-web)
    target_compile_definitions(vestra_cli_manual_tests PRIVATE
        VESTRA_SIM_PATH="$<TARGET_FILE:vestra-sim>"
        VESTRA_WEB_PATH="$<TARGET_FILE:vestra-web>"
        VESTRA_PACKAGING_DIR="${PROJECT_SOURCE_DIR}/packaging")
endif()
