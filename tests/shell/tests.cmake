list(APPEND VESTRA_CORE_TESTS
    shell/AboutTextTest.cpp
    shell/TextCodecTest.cpp
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
