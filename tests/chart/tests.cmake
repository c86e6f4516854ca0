list(APPEND VESTRA_CORE_TESTS
    chart/ChartScaleTest.cpp
    chart/ReadingPlotTest.cpp
    chart/GroupChartTest.cpp
    chart/OverviewChartTest.cpp
    chart/SvgWriterTest.cpp
    chart/TextWidthTest.cpp
)

# The chart command of the tool, run as a user would run it.
if(TARGET vestra-cli)
    add_executable(vestra_cli_chart_tests chart/CliChartTest.cpp)
    target_include_directories(vestra_cli_chart_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(vestra_cli_chart_tests PRIVATE
        VESTRA_CLI_PATH="$<TARGET_FILE:vestra-cli>")
    target_link_libraries(vestra_cli_chart_tests PRIVATE vestra_core GTest::gtest_main)
    add_dependencies(vestra_cli_chart_tests vestra-cli)
    gtest_discover_tests(vestra_cli_chart_tests DISCOVERY_TIMEOUT 60)
endif()

if(VESTRA_BUILD_UI)
    add_executable(vestra_chart_window_tests chart/ChartWindowTest.cpp)
    target_include_directories(vestra_chart_window_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(vestra_chart_window_tests PRIVATE vestra_ui Qt6::Test)
    set_target_properties(vestra_chart_window_tests PROPERTIES AUTOMOC ON)
    add_test(NAME chart_windows COMMAND vestra_chart_window_tests)
    set_tests_properties(chart_windows PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()
