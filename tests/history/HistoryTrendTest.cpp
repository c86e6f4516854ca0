#include "history/HistoryTrend.h"

#include "chart/Drawing.h"

#include <gtest/gtest.h>

namespace vestra::history {
namespace {

std::vector<HistoryReading> readingsOf(const std::vector<float>& values) {
    std::vector<HistoryReading> readings;
    DateTime t{2026, 1, 10, 9, 0, 0};
    for (float v : values) {
        HistoryReading r;
        r.takenAt = t;
        r.value = v;
        r.alarmHigh = 300;
        r.alarmLow = 50;
        r.alarm = v > 300 ? AlarmMark::High : v < 50 ? AlarmMark::Low : AlarmMark::None;
        readings.push_back(r);
        t = AddSeconds(t, 86400 * 30);
    }
    return readings;
}

template <typename Shape> int countOf(const chart::Drawing& drawing) {
    int n = 0;
    for (const chart::Shape& s : drawing.shapes) {
        n += std::holds_alternative<Shape>(s) ? 1 : 0;
    }
    return n;
}

TEST(HistoryTrendTest, EveryReadingIsMarkedAndJoinedInTimeOrder) {
    chart::Drawing drawing = LayoutTrend(readingsOf({251, 311, 41, 252}), 800, 400);
    EXPECT_EQ(drawing.width, 800);
    EXPECT_EQ(drawing.height, 400);
    EXPECT_EQ(countOf<chart::Marker>(drawing), 4);
    ASSERT_EQ(countOf<chart::Polyline>(drawing), 1);
    for (const chart::Shape& s : drawing.shapes) {
        if (auto* line = std::get_if<chart::Polyline>(&s)) {
            ASSERT_EQ(line->points.size(), 4u);
            for (std::size_t i = 1; i < line->points.size(); ++i) {
                EXPECT_LT(line->points[i - 1].x, line->points[i].x);
            }
        }
    }
}

// Each reading takes the colour of its own alarm mark: the newest data set's limits (500/-40
// here) say nothing of the older readings.
TEST(HistoryTrendTest, ReadingsTakeTheColoursOfTheirOwnAlarmMarks) {
    std::vector<HistoryReading> readings = readingsOf({251, 311, 41, 41});
    readings.back().alarmHigh = 500;
    readings.back().alarmLow = -40;
    readings.back().alarm = AlarmMark::None;
    chart::Drawing drawing = LayoutTrend(readings, 800, 400);
    std::vector<chart::Colour> fills;
    for (const chart::Shape& s : drawing.shapes) {
        if (auto* marker = std::get_if<chart::Marker>(&s)) {
            fills.push_back(marker->fill);
        }
    }
    EXPECT_EQ(fills, (std::vector<chart::Colour>{chart::kPointInk, chart::kHighInk, chart::kLowInk,
                                                 chart::kPointInk}));
}

} // namespace
} // namespace vestra::history
