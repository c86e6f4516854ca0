list(APPEND VESTRA_CORE_TESTS
    chart/ChartScaleTest.cpp
    chart/ReadingPlotTest.cpp
    chart/GroupChartTest.cpp
    chart/OverviewChartTest.cpp
    chart/SvgWriterTest.cpp
    chart/TextWidthTest.cpp
    chart/ChartFileNameTest.cpp
)

vestra_add_window_tests(vestra_chart_window_tests chart/ChartWindowTest.cpp chart_windows)
