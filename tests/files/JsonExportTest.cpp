#include "files/JsonExport.h"

#include "SampleData.h"
#include "shell/Common.h"
#include "shell/JsonText.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

using nlohmann::json;

struct Field {
    std::string pointer;
    json value;
};

void expectFields(const std::string& text, const std::vector<Field>& fields) {
    json document = json::parse(text);
    for (const Field& f : fields) {
        EXPECT_EQ(document.value(json::json_pointer(f.pointer), json()), f.value) << f.pointer;
    }
}

// The small data set as it is after reading: statistics computed as for the exports.
DataSet committedSmallDataSet() {
    DataStore store;
    store.importBuffer = testing::SmallDataSet();
    store.commitImport(false);
    return store.currentData;
}

TEST(JsonExport, TheDataSetHoldsHeaderGroupsStatisticsAndReadings) {
    DataSet data = committedSmallDataSet();
    expectFields(
        DataSetJson(data, kUnitCelsius),
        {{"/schema", "vestra/1"},
         {"/kind", "data-set"},
         {"/unit", "C"},
         {"/label", "VESTRA01"},
         {"/clock", "2008-03-01T09:05:59"},
         {"/subject", "配管\"A\",B"},
         {"/readingCount", 4},
         {"/groups/0/group", 1},
         {"/groups/0/tag", "BOILER"},
         {"/groups/0/object", "ボイラー"},
         {"/groups/0/measurer", "山田"},
         {"/groups/0/emissivity", 0.95},
         {"/groups/0/alarmHigh", 100},
         {"/groups/0/readingCount", 3},
         {"/groups/0/statistics/maximum",
          {{"number", 2}, {"time", "2008-03-01T09:10:00"}, {"value", 120}}},
         {"/groups/0/statistics/minimum/value", 15.5},
         {"/groups/0/statistics/average", json::parse(JsonFloat(data.group(1).average).dump())},
         {"/groups/0/readings/0",
          {{"number", 1},
           {"time", "2008-03-01T09:00:59"},
           {"value", 22.35},
           {"alarm", ""},
           {"remark", "入口"}}},
         {"/groups/0/readings/1/alarm", "high"},
         {"/groups/0/readings/2/alarm", "low"},
         {"/groups/0/readings/2/remark", "  出口"},
         {"/groups/1/statistics/maximum/number", 1},
         {"/groups/2/statistics", nullptr},
         {"/groups/2/readings", json::array()},
         {"/groups/14/tag", "G15"}});
}

TEST(JsonExport, FahrenheitIsNamedSo) {
    expectFields(DataSetJson(committedSmallDataSet(), kUnitFahrenheit), {{"/unit", "F"}});
}

TEST(JsonExport, SettingsHoldTheLabelAndEachGroupsTagEmissivityAndLimits) {
    expectFields(
        SettingsJson(testing::SmallDataSet(), kUnitCelsius),
        {{"/kind", "settings"},
         {"/label", "VESTRA01"},
         {"/groups/1",
          {{"group", 2}, {"tag", "DUCT"}, {"emissivity", 1}, {"alarmHigh", 30}, {"alarmLow", 20}}},
         {"/groups/0/readings", nullptr}});
}

TEST(JsonExport, TheClockIsOneDateTime) {
    expectFields(ClockJson({2026, 12, 8, 7, 27, 40}),
                 {{"/kind", "clock"}, {"/clock", "2026-12-08T07:27:40"}});
}

} // namespace
} // namespace vestra
