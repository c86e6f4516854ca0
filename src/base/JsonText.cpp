#include "base/JsonText.h"

#include "base/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace vestra {

nlohmann::ordered_json JsonDocument(std::string_view kind) {
    return {{"schema", kJsonSchemaVersion}, {"kind", kind}};
}

nlohmann::ordered_json JsonFloat(float value) {
    if (!std::isfinite(value)) {
        return nullptr;
    }
    std::string shortest = ShortestFloatText(value);
    // A whole number stays an integer, so that 500 is written as 500 and not as 500.0; the
    // double read from the float's own shortest text is written back as that text.
    std::int64_t whole = 0;
    auto asWhole = std::from_chars(shortest.data(), shortest.data() + shortest.size(), whole);
    if (asWhole.ec == std::errc() && asWhole.ptr == shortest.data() + shortest.size()) {
        return whole;
    }
    double near = 0;
    std::from_chars(shortest.data(), shortest.data() + shortest.size(), near);
    return near;
}

std::string IsoDateTime(const DateTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

std::string JsonText(const nlohmann::ordered_json& document) {
    return document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + '\n';
}

} // namespace vestra
