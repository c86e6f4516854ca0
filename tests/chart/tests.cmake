list(APPEND VESTRA_CORE_TESTS
    chart/ChartScaleTest.cpp
    chart/ReadingPlotTest.cpp
    chart/GroupChartTest.cpp
    chart/OverviewChartTest.cpp
    chart/SvgWriterTest.cpp
    chart/TextWidthTest.cpp
    chart/ChartFileNameTest.cpp
)

# The chart command of the tool, run as a user would run it.
vestra_add_tool_tests(vestra_cli_chart_tests chart/CliChartTest.cpp)

vestra_add_window_tests(vestra_chart_window_tests chart/ChartWindowTest.cpp chart_windows)
