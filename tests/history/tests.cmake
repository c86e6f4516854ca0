list(APPEND VESTRA_CORE_TESTS
    history/DamagedDatabaseTest.cpp
    history/HistoryStoreTest.cpp
    history/HistoryTextTest.cpp
    history/HistoryJsonTest.cpp
    history/HistoryTrendTest.cpp
    history/SqliteFileTest.cpp
)

# The tool's history commands run as a user would run them, against both back ends.
vestra_add_tool_tests(vestra_cli_history_tests history/CliHistoryTest.cpp)

vestra_add_window_tests(vestra_history_window_tests history/frmHistoryTest.cpp history_window)

# Renders the history window into docs/ (target screenshots).
vestra_add_screenshot_program(vestra_history_screenshot history/frmHistoryScreenshot.cpp)
