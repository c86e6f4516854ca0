#include "history/HistoryJson.h"

#include "shell/Common.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace vestra::history {
namespace {

using nlohmann::json;

TEST(HistoryJson, TagsAndReadingsCarryEveryColumnOfTheirListings) {
    TagSummary tag{"BOILER",
                   "ボイラー",
                   std::string(kUnitFahrenheit),
                   3,
                   {2008, 3, 1, 9, 0, 59},
                   {2008, 3, 2, 10, 0, 0}};
    HistoryReading r{"/data/a.qmc",
                     {2008, 3, 1, 9, 5, 59},
                     "配管",
                     "VESTRA01",
                     std::string(kUnitCelsius),
                     2,
                     "BOILER",
                     "ボイラー",
                     "山田",
                     100.0f,
                     20.0f,
                     3,
                     {2008, 3, 1, 9, 20, 0},
                     15.5f,
                     "出口",
                     AlarmMark::Low};
    json tags = json::parse(TagsJson({tag}));
    json readings = json::parse(HistoryReadingsJson({r}, kUnitCelsius));
    struct Field {
        const json& document;
        std::string pointer;
        json value;
    };
    const Field fields[] = {
        {tags, "/kind", "tags"},
        {tags,
         "/tags/0",
         {{"tag", "BOILER"},
          {"object", "ボイラー"},
          {"unit", "F"},
          {"readings", 3},
          {"first", "2008-03-01T09:00:59"},
          {"last", "2008-03-02T10:00:00"}}},
        {readings, "/kind", "history-readings"},
        {readings, "/unit", "C"},
        {readings,
         "/readings/0",
         {{"tag", "BOILER"},
          {"object", "ボイラー"},
          {"measurer", "山田"},
          {"time", "2008-03-01T09:20:00"},
          {"value", 15.5},
          {"alarm", "low"},
          {"alarmHigh", 100},
          {"alarmLow", 20},
          {"remark", "出口"},
          {"group", 2},
          {"number", 3},
          {"subject", "配管"},
          {"clock", "2008-03-01T09:05:59"},
          {"label", "VESTRA01"},
          {"source", "/data/a.qmc"}}},
    };
    for (const Field& f : fields) {
        EXPECT_EQ(f.document.value(json::json_pointer(f.pointer), json()), f.value) << f.pointer;
    }
}

} // namespace
} // namespace vestra::history
