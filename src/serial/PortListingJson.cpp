#include "serial/PortListingJson.h"

#include "base/JsonText.h"
#include "serial/PortNames.h"

namespace vestra {
namespace {

using json = nlohmann::ordered_json;

// The adapter's description for the port menu, null for a port that is no adapter.
json descriptionOf(const std::string& device, const PortSurvey& survey) {
    if (FindAdapter(survey, device) == nullptr) {
        return nullptr;
    }
    return PortDescription(device, survey);
}

} // namespace

std::string PortListingJson(const std::map<int, std::string>& portMap, const PortSurvey& survey) {
    json document = JsonDocument("ports");
    PortEntries entries = PortEntriesOf(portMap);
    document["ports"] = json::array();
    for (int n = 1; n <= kPortCount; ++n) {
        std::string device = PortDeviceName(n, entries);
        document["ports"].push_back({{"port", "COM" + std::to_string(n)},
                                     {"device", device},
                                     {"description", descriptionOf(device, survey)}});
    }
    document["detected"] = json::array();
    for (int n : survey.builtIn) {
        document["detected"].push_back({{"device", BuiltInPortName(n)}, {"builtIn", true}});
    }
    for (const UsbSerialPort& adapter : survey.adapters) {
        document["detected"].push_back({{"device", adapter.device},
                                        {"builtIn", false},
                                        {"link", adapter.byIdPath},
                                        {"description", adapter.description},
                                        {"vendorId", adapter.vendorId},
                                        {"productId", adapter.productId},
                                        {"serial", adapter.serial}});
    }
    return JsonText(document);
}

} // namespace vestra
