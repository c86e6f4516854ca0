#include "history/HistoryJson.h"

#include "base/TemperatureUnit.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace vestra::history {
namespace {

using nlohmann::ordered_json;

TEST(HistoryJson, TagsAndReadingsCarryEveryColumnOfTheirListings) {
    DateTime clock{2008, 3, 1, 9, 5, 59};
    DateTime taken{2008, 3, 1, 9, 20, 0};
    TagSummary tag{"B", "炉", TemperatureUnit::Fahrenheit, 3, clock, taken};
    // clang-format off
    HistoryReading r{"/a.qmc", clock, "配管", "V1", TemperatureUnit::Celsius, 2, "B", "炉", "山田",
                     100.0f, 20.0f, 3, taken, 15.5f, "出口", AlarmMark::Low};
    // clang-format on
    EXPECT_EQ(ordered_json::parse(TagsJson({tag}))["tags"][0].dump(),
              R"({"tag":"B","object":"炉","unit":"F","readings":3,)"
              R"("first":"2008-03-01T09:05:59","last":"2008-03-01T09:20:00"})");
    EXPECT_EQ(ordered_json::parse(HistoryReadingsJson({r}, TemperatureUnit::Celsius))["readings"][0]
                  .dump(),
              R"({"tag":"B","object":"炉","measurer":"山田","time":"2008-03-01T09:20:00",)"
              R"("value":15.5,"alarm":"low","alarmHigh":100,"alarmLow":20,"remark":"出口",)"
              R"("group":2,"number":3,"subject":"配管","clock":"2008-03-01T09:05:59",)"
              R"("label":"V1","source":"/a.qmc"})");
}

} // namespace
} // namespace vestra::history
