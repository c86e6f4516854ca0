list(APPEND VESTRA_CORE_TESTS
    shell/AboutTextTest.cpp
    shell/TextCodecTest.cpp
    shell/CommonTest.cpp
    shell/NumberFormatTest.cpp
    shell/DateTimeTest.cpp
    shell/FileFuncTest.cpp
    shell/AtomicFileTest.cpp
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
