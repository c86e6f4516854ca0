list(APPEND VESTRA_CORE_TESTS
    history/DamagedDatabaseTest.cpp
    history/HistoryStoreTest.cpp
    history/HistoryTextTest.cpp
    history/HistoryTrendTest.cpp
    history/SqliteFileTest.cpp
)

# The tool's history commands run as a user would run them, against both back ends.
vestra_add_tool_tests(vestra_cli_history_tests history/CliHistoryTest.cpp)

vestra_add_window_tests(vestra_history_window_tests history/frmHistoryTest.cpp history_window)

# Renders the history window; run it under a display to refresh docs/.
if(VESTRA_BUILD_UI)
    add_executable(vestra_history_screenshot history/frmHistoryScreenshot.cpp)
    target_include_directories(vestra_history_screenshot PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(vestra_history_screenshot PRIVATE vestra_ui Qt6::Test)
    add_test(NAME historyScreenshot COMMAND vestra_history_screenshot
             ${CMAKE_CURRENT_BINARY_DIR}/shots)
    set_tests_properties(historyScreenshot PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()
