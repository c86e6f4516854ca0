#include "files/JsonExport.h"

#include "SampleData.h"
#include "base/TemperatureUnit.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace vestra {
namespace {

using nlohmann::ordered_json;

TEST(JsonExport, DocumentsHoldWhatTheExportsHoldWithTheExportsStatistics) {
    DataStore store;
    store.importBuffer = testing::SmallDataSet();
    store.commitImport(false);
    const ordered_json data =
        ordered_json::parse(DataSetJson(store.currentData, TemperatureUnit::Fahrenheit));
    const ordered_json settings =
        ordered_json::parse(SettingsJson(store.currentData, TemperatureUnit::Celsius));
    const ordered_json clock = ordered_json::parse(ClockJson({2026, 12, 8, 7, 27, 40}));
    const std::tuple<const ordered_json&, std::string, std::string> fields[] = {
        {data, "/unit", R"("F")"},
        {data, "/subject", R"("配管\"A\",B")"},
        {data, "/groups/0/statistics",
         R"({"maximum":{"number":2,"time":"2008-03-01T09:10:00","value":120},)"
         R"("minimum":{"number":3,"time":"2008-03-01T09:20:00","value":15.5},"average":52.6})"},
        {data, "/groups/0/readings/1",
         R"({"number":2,"time":"2008-03-01T09:10:00","value":120,"alarm":"high","remark":""})"},
        {data, "/groups/2/statistics", "null"},
        {clock, "/clock", R"("2026-12-08T07:27:40")"},
        {settings, "/groups/1",
         R"({"group":2,"tag":"DUCT","emissivity":1,"alarmHigh":30,"alarmLow":20})"},
    };
    for (const auto& [document, pointer, value] : fields) {
        EXPECT_EQ(document.value(ordered_json::json_pointer(pointer), ordered_json()).dump(), value)
            << pointer;
    }
}

} // namespace
} // namespace vestra
