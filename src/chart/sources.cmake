list(APPEND VESTRA_CORE_SOURCES
    chart/Drawing.h
    chart/ChartFormat.h
    chart/TextWidth.h
    chart/TextWidth.cpp
    chart/ChartScale.h
    chart/ChartScale.cpp
    chart/ReadingPlot.h
    chart/ReadingPlot.cpp
    chart/GroupChart.h
    chart/GroupChart.cpp
    chart/OverviewChart.h
    chart/OverviewChart.cpp
    chart/SvgWriter.h
    chart/SvgWriter.cpp
    chart/ChartFileName.h
    chart/ChartFileName.cpp
)
list(APPEND VESTRA_UI_SOURCES
    chart/QtChartPainter.h
    chart/QtChartPainter.cpp
    chart/QtChartSave.h
    chart/QtChartSave.cpp
    chart/QtChartView.h
    chart/QtChartView.cpp
)
