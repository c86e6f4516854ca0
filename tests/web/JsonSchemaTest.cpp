#include "base/TemperatureUnit.h"
#include "files/JsonExport.h"
#include "files/SampleData.h"
#include "files/TempFolder.h"
#include "history/HistoryJson.h"
#include "serial/PortListingJson.h"
#include "web/WebJson.h"

#include <gtest/gtest.h>

#if !defined(VESTRA_JSON_SCHEMA) || !defined(VESTRA_JSON_VALIDATOR)
#error "VESTRA_JSON_SCHEMA and VESTRA_JSON_VALIDATOR must be defined"
#endif

namespace vestra {
namespace {

// Whether the written schema (docs/vestra.schema.json) accepts the document, as a reader's
// validator judges it: Debian's python3-jsonschema under Debian's interpreter, not whatever
// python3 comes first on the path.
bool schemaAccepts(const testing::TempFolder& folder, const std::string& document) {
    testing::WriteBytes(folder.file("document.json"), document);
    std::string command = std::string("/usr/bin/python3 '") + VESTRA_JSON_VALIDATOR + "' '" +
                          VESTRA_JSON_SCHEMA + "' '" + folder.file("document.json") + "'";
    return std::system(command.c_str()) == 0;
}

TEST(JsonSchema, EveryKindOfDocumentHoldsToTheWrittenSchema) {
    PortSurvey survey{{{"/by-id/usb-X", "/vestra-test/ttyUSB9", "M", "0403", "6001", "A1"}}, {1}};
    history::HistoryReading reading;
    reading.group = reading.number = 1;
    reading.dataSet = 1;
    const std::tuple<const char*, std::string, bool> documents[] = {
        {"data set", DataSetJson(testing::SmallDataSet(), TemperatureUnit::Celsius), true},
        {"settings", SettingsJson(testing::SmallDataSet(), TemperatureUnit::Celsius), true},
        {"clock", ClockJson({2026, 12, 8, 7, 27, 40}), true},
        {"ports", PortListingJson({{2, "/by-id/usb-X"}}, survey), true},
        {"tags", history::TagsJson({{"T", "O", TemperatureUnit::Celsius, 1, {}, {}}}), true},
        {"readings", history::HistoryReadingsJson({reading}, TemperatureUnit::Celsius), true},
        {"overview",
         web::OverviewJson(
             {{{"T", "O", TemperatureUnit::Celsius, 2, {}, {}}, reading, 1.5f, {20, 21.5f}}}, 5),
         true},
        {"data sets",
         web::DataSetsJson({{7, {}, "L", "S", TemperatureUnit::Celsius, "a.qmc", 3}}, 1, 0), true},
        {"another version", R"({"schema": "vestra/2", "kind": "tags", "tags": []})", false},
    };
    testing::TempFolder folder("vestra-json-schema");
    for (const auto& [name, document, valid] : documents) {
        EXPECT_EQ(schemaAccepts(folder, document), valid) << name;
    }
}

} // namespace
} // namespace vestra
