#include "SampleData.h"
#include "TempFolder.h"
#include "files/JsonExport.h"
#include "history/HistoryJson.h"
#include "serial/PortListingJson.h"
#include "shell/Common.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>

#if !defined(VESTRA_JSON_SCHEMA) || !defined(VESTRA_JSON_VALIDATOR)
#error "VESTRA_JSON_SCHEMA and VESTRA_JSON_VALIDATOR must be defined"
#endif

namespace vestra {
namespace {

// Whether the written schema (docs/vestra.schema.json) accepts the document, as a reader's
// JSON Schema validator judges it: Debian's python3-jsonschema under Debian's interpreter, not
// whatever python3 comes first on the path.
bool schemaAccepts(const std::string& document) {
    testing::TempFolder folder("vestra-json-schema");
    std::string file = folder.file("document.json");
    testing::WriteBytes(file, document);
    std::string command = std::string("/usr/bin/python3 '") + VESTRA_JSON_VALIDATOR + "' '" +
                          VESTRA_JSON_SCHEMA + "' '" + file + "'";
    int raw = std::system(command.c_str());
    return WIFEXITED(raw) && WEXITSTATUS(raw) == 0;
}

DataSet committed(const DataSet& data) {
    DataStore store;
    store.importBuffer = data;
    store.commitImport(false);
    return store.currentData;
}

TEST(JsonSchema, EveryDocumentTheProgramsWriteHoldsToTheWrittenSchema) {
    DataSet damaged = testing::SmallDataSet();
    damaged.group(1).recordValues[0] = NAN;
    const std::string link = "/vestra-test/by-id/usb-X";
    PortSurvey survey{{{link, "/vestra-test/ttyUSB9", "Maker", "0403", "6001", "A1"}}, {1}};
    history::HistoryReading reading{"/data/a.qmc",
                                    {2008, 3, 1, 9, 5, 59},
                                    "s",
                                    "L",
                                    std::string(kUnitCelsius),
                                    1,
                                    "T",
                                    "O",
                                    "M",
                                    100.0f,
                                    20.0f,
                                    1,
                                    {2008, 3, 1, 9, 0, 0},
                                    150.0f,
                                    "",
                                    AlarmMark::High};
    history::TagSummary tag{"T", "O", std::string(kUnitCelsius), 1, {}, {}};
    const std::pair<const char*, std::string> documents[] = {
        {"small", DataSetJson(committed(testing::SmallDataSet()), kUnitCelsius)},
        {"full", DataSetJson(committed(testing::FullDataSet()), kUnitFahrenheit)},
        {"not finite", DataSetJson(damaged, kUnitCelsius)},
        {"settings", SettingsJson(testing::SmallDataSet(), kUnitCelsius)},
        {"clock", ClockJson({2026, 12, 8, 7, 27, 40})},
        {"ports", PortListingJson({{2, link}}, survey)},
        {"tags", history::TagsJson({tag})},
        {"readings", history::HistoryReadingsJson({reading}, kUnitCelsius)},
    };
    for (const auto& [name, document] : documents) {
        EXPECT_TRUE(schemaAccepts(document)) << name;
    }
}

// The check above can fail: documents that break the schema are refused.
TEST(JsonSchema, DocumentsThatBreakTheSchemaAreRefused) {
    const char* documents[] = {
        R"({"schema": "vestra/2", "kind": "clock", "clock": "2026-12-08T07:27:40"})",
        R"({"schema": "vestra/1", "kind": "clock", "clock": "2026/12/08 07:27:40"})",
        R"({"schema": "vestra/1", "kind": "tags"})",
    };
    for (const char* document : documents) {
        EXPECT_FALSE(schemaAccepts(document)) << document;
    }
}

} // namespace
} // namespace vestra
