list(APPEND VESTRA_CORE_TESTS start/AppArgumentsTest.cpp start/HandOverTest.cpp)

# The type question, the single-instance lock, the about box and the close guard.
vestra_add_window_tests(vestra_start_window_tests start/StartWindowsTest.cpp start_windows)
# The start of a run up to the main window and the settings it writes back.
vestra_add_window_tests(vestra_startup_tests start/StartupTest.cpp startup)

# The application as a desktop program, with the icon built in as the application builds it.
if(VESTRA_BUILD_UI)
    add_executable(vestra_desktop_tests start/DesktopSetupTest.cpp)
    target_include_directories(vestra_desktop_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(vestra_desktop_tests PRIVATE vestra_ui vestra_app_icon Qt6::Test)
    add_test(NAME desktop_setup COMMAND vestra_desktop_tests)
    set_tests_properties(desktop_setup PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()

# The Japanese Yes/No question for the documentation, rendered in an English locale.
vestra_add_screenshot_program(vestra_question_screenshot start/QuestionScreenshot.cpp
                              vestra_app_icon)
