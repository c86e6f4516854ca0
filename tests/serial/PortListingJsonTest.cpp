#include "serial/PortListingJson.h"

#include "serial/PortNames.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace vestra {
namespace {

using nlohmann::ordered_json;

TEST(PortListingJson, PortNumbersAndDetectedPortsKeepTheirTextsUnescaped) {
    const std::string link = "/vestra-test/usb-X";
    PortSurvey survey{{{link, "/vestra-test/ttyUSB9", "Maker\x1b", "0403", "6001", "A1"}}, {2}};
    ordered_json document = ordered_json::parse(PortListingJson({{3, link}}, survey));
    const std::pair<std::string, std::string> fields[] = {
        {"/ports/0",
         R"({"port":"COM1","device":")" + BuiltInPortName(1) + R"(","description":null})"},
        {"/ports/2/description", ordered_json(PortDescription(link, survey)).dump()},
        {"/detected/0", R"({"device":")" + BuiltInPortName(2) + R"(","builtIn":true})"},
        {"/detected/1", R"({"device":"/vestra-test/ttyUSB9","builtIn":false,"link":")" + link +
                            R"(","description":"Maker\u001b","vendorId":"0403",)"
                            R"("productId":"6001","serial":"A1"})"},
    };
    for (const auto& [pointer, value] : fields) {
        EXPECT_EQ(document.value(ordered_json::json_pointer(pointer), ordered_json()).dump(), value)
            << pointer;
    }
}

} // namespace
} // namespace vestra
