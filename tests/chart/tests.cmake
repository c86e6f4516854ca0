list(APPEND VESTRA_CORE_TESTS
    chart/ChartScaleTest.cpp
    chart/ReadingPlotTest.cpp
    chart/GroupChartTest.cpp
    chart/OverviewChartTest.cpp
    chart/SvgWriterTest.cpp
    chart/TextWidthTest.cpp
)
