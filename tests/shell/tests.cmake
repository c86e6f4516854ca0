list(APPEND VESTRA_CORE_TESTS
    shell/AboutTextTest.cpp
    shell/TextCodecTest.cpp
    shell/VisibleTextTest.cpp
    shell/CommonTest.cpp
    shell/NumberFormatTest.cpp
    shell/DateTimeTest.cpp
    shell/FileFuncTest.cpp
    shell/AtomicFileTest.cpp
    shell/FileReadTest.cpp
    shell/IniFileTest.cpp
    shell/SettingsTest.cpp
)

if(VESTRA_BUILD_UI)
    find_package(Qt6 REQUIRED COMPONENTS Test)
    add_executable(vestra_shell_window_tests shell/ShellWindowsTest.cpp)
    target_link_libraries(vestra_shell_window_tests PRIVATE vestra_ui Qt6::Test)
    add_test(NAME shell_windows COMMAND vestra_shell_window_tests)
    set_tests_properties(shell_windows PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()

# The start of a run up to the main window and the settings it writes back.
if(VESTRA_BUILD_UI)
    add_executable(vestra_startup_tests shell/StartupTest.cpp)
    target_include_directories(vestra_startup_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(vestra_startup_tests PRIVATE vestra_ui Qt6::Test)
    add_test(NAME startup COMMAND vestra_startup_tests)
    set_tests_properties(startup PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()

list(APPEND VESTRA_CORE_TESTS
    shell/AppArgumentsTest.cpp
    shell/InstallLayoutTest.cpp
    shell/ProgramVersionTest.cpp
    shell/StartFolderTest.cpp
)
set_source_files_properties(shell/ProgramVersionTest.cpp PROPERTIES
    COMPILE_DEFINITIONS VESTRA_PROJECT_VERSION="${PROJECT_VERSION}")

# The application as a desktop program, with the icon built in as the application builds it.
if(VESTRA_BUILD_UI)
    add_executable(vestra_desktop_tests shell/DesktopSetupTest.cpp
                                        ${PROJECT_SOURCE_DIR}/app/vestra.qrc)
    set_target_properties(vestra_desktop_tests PROPERTIES AUTORCC ON)
    target_link_libraries(vestra_desktop_tests PRIVATE vestra_ui Qt6::Test)
    add_test(NAME desktop_setup COMMAND vestra_desktop_tests)
    set_tests_properties(desktop_setup PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()

# The desktop files as shipped, checked by the tools the desktops themselves use.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(DESKTOP_FILE_VALIDATE AND APPSTREAMCLI)
    add_test(NAME desktop_entry_valid COMMAND ${DESKTOP_FILE_VALIDATE}
             ${PROJECT_SOURCE_DIR}/packaging/com.morva.Vestra.desktop)
    add_test(NAME metainfo_valid COMMAND ${APPSTREAMCLI} validate --no-net
             ${PROJECT_SOURCE_DIR}/packaging/com.morva.Vestra.metainfo.xml)
endif()

# The Japanese Yes/No question for the documentation, rendered in an English locale.
if(VESTRA_BUILD_UI)
    add_executable(vestra_question_screenshot shell/QuestionScreenshot.cpp
                                              ${PROJECT_SOURCE_DIR}/app/vestra.qrc)
    set_target_properties(vestra_question_screenshot PROPERTIES AUTORCC ON)
    target_link_libraries(vestra_question_screenshot PRIVATE vestra_ui)
    add_test(NAME question_screenshot
             COMMAND vestra_question_screenshot ${CMAKE_CURRENT_BINARY_DIR}/shots)
    set_tests_properties(question_screenshot PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=en_US.UTF-8;LC_ALL=en_US.UTF-8")
endif()
if(VESTRA_BUILD_UI)
    add_executable(vestra_mime_tests shell/MimeTypesTest.cpp)
    target_compile_definitions(vestra_mime_tests PRIVATE
        VESTRA_MIME_XML="${PROJECT_SOURCE_DIR}/packaging/vestra-mime.xml"
        VESTRA_TEST_FILES="${CMAKE_CURRENT_SOURCE_DIR}")
    target_link_libraries(vestra_mime_tests PRIVATE Qt6::Core Qt6::Test)
    add_test(NAME mime_types COMMAND vestra_mime_tests)
endif()
