#include "serial/PortListingJson.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace vestra {
namespace {

using nlohmann::json;

TEST(PortListingJson, PortNumbersAndDetectedPortsKeepTheirTextsUnescaped) {
    const std::string link = "/vestra-test/by-id/usb-Maker_X-if00";
    PortSurvey survey{{{link, "/vestra-test/ttyUSB9", "Maker\x1b[2J", "0403", "6001", "A1"}}, {2}};
    json document = json::parse(PortListingJson({{3, link}}, survey));
    struct Field {
        std::string pointer;
        json value;
    };
    const Field fields[] = {
        {"/kind", "ports"},
        {"/ports/0", {{"port", "COM1"}, {"device", "/dev/ttyS0"}, {"description", nullptr}}},
        {"/ports/2/device", link},
        {"/ports/2/description", PortDescription(link, survey)},
        {"/ports/15/port", "COM16"},
        {"/detected/0", {{"device", "/dev/ttyS1"}, {"builtIn", true}}},
        {"/detected/1/link", link},
        {"/detected/1/description", "Maker\x1b[2J"},
        {"/detected/1/vendorId", "0403"},
        {"/detected/1/serial", "A1"},
    };
    for (const Field& f : fields) {
        EXPECT_EQ(document.value(json::json_pointer(f.pointer), json()), f.value) << f.pointer;
    }
    EXPECT_EQ(document["ports"].size(), 16u);
}

} // namespace
} // namespace vestra
