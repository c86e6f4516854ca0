#include "data/ValueFormat.h"

#include "base/NumberFormat.h"
#include "base/TextCodec.h"

#include <cstdio>

namespace vestra {
namespace {

constexpr int kCountWidth = 3;
constexpr int kTemperatureWidth = 5;
constexpr int kEmissivityWidth = 6;

std::string aligned(std::string text, bool align, int width) {
    return align ? PadLeft(text, width) : text;
}

std::string formatDate(const DateTime& t, bool seconds) {
    char buffer[40];
    if (seconds) {
        std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d %02d:%02d:%02d", t.year, t.month,
                      t.day, t.hour, t.minute, t.second);
    } else {
        std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d %02d:%02d", t.year, t.month, t.day,
                      t.hour, t.minute);
    }
    return buffer;
}

} // namespace

std::string FormatCount(std::int16_t n, bool align) {
    return aligned(FormatNumber(static_cast<float>(n), "##0"), align, kCountWidth);
}

std::string FormatTemperature(float x, bool align) {
    return aligned(FormatNumber(x, "###0.0"), align, kTemperatureWidth);
}

std::string FormatEmissivity(float x, bool align) {
    return aligned(FormatNumber(x, "#0.00"), align, kEmissivityWidth);
}

std::string FormatTimestamp(const DateTime& t) {
    return formatDate(t, false);
}
std::string FormatTimestampSeconds(const DateTime& t) {
    return formatDate(t, true);
}

std::string PadLeft(std::string_view text, int width) {
    auto length = static_cast<int>(CharacterCount(text));
    std::string out;
    if (length < width) {
        out.assign(static_cast<std::size_t>(width - length), ' ');
    }
    out += text;
    return out;
}

} // namespace vestra
