list(APPEND VESTRA_CORE_TESTS
    history/HistoryStoreTest.cpp
    history/HistoryTextTest.cpp
    history/HistoryTrendTest.cpp
    history/SqliteFileTest.cpp
)

# The tool's history commands run as a user would run them, against both back ends.
if(TARGET vestra-cli)
add_executable(vestra_cli_history_tests history/CliHistoryTest.cpp)
target_include_directories(vestra_cli_history_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_definitions(vestra_cli_history_tests PRIVATE
    VESTRA_CLI_PATH="$<TARGET_FILE:vestra-cli>")
target_link_libraries(vestra_cli_history_tests PRIVATE vestra_core GTest::gtest_main)
add_dependencies(vestra_cli_history_tests vestra-cli)
gtest_discover_tests(vestra_cli_history_tests DISCOVERY_TIMEOUT 60)
endif()

if(VESTRA_BUILD_UI)
    add_executable(vestra_history_window_tests history/frmHistoryTest.cpp)
    target_include_directories(vestra_history_window_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(vestra_history_window_tests PRIVATE vestra_ui Qt6::Test)
    set_target_properties(vestra_history_window_tests PROPERTIES AUTOMOC ON)
    add_test(NAME history_window COMMAND vestra_history_window_tests)
    set_tests_properties(history_window PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()

# Renders the history window; run it under a display to refresh docs/.
if(VESTRA_BUILD_UI)
    add_executable(vestra_history_screenshot history/frmHistoryScreenshot.cpp)
    target_include_directories(vestra_history_screenshot PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(vestra_history_screenshot PRIVATE vestra_ui Qt6::Test)
    add_test(NAME historyScreenshot COMMAND vestra_history_screenshot
             ${CMAKE_CURRENT_BINARY_DIR}/shots)
    set_tests_properties(historyScreenshot PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()
