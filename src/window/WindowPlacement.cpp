#include "window/WindowPlacement.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace vestra {
namespace {

constexpr std::string_view kSection = "Window";
// A desktop is at most some ten thousand pixels across; anything beyond is not ours.
constexpr int kLargest = 100000;

std::optional<int> readInt(const IniFile& ini, std::string_view key) {
    std::optional<std::string> text = ini.value(kSection, key);
    if (!text) {
        return std::nullopt;
    }
    int value = 0;
    const char* end = text->data() + text->size();
    auto [stop, error] = std::from_chars(text->data(), end, value);
    if (error != std::errc() || stop != end || value < -kLargest || value > kLargest) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<WindowPlacement> ReadWindowPlacement(const IniFile& ini) {
    auto left = readInt(ini, "Left");
    auto top = readInt(ini, "Top");
    auto width = readInt(ini, "Width");
    auto height = readInt(ini, "Height");
    if (!left || !top || !width || !height || *width <= 0 || *height <= 0) {
        return std::nullopt;
    }
    return WindowPlacement{*left, *top, *width, *height, readInt(ini, "Maximized") == 1};
}

void WriteWindowPlacement(IniFile& ini, const WindowPlacement& placement) {
    ini.set(kSection, "Left", std::to_string(placement.left));
    ini.set(kSection, "Top", std::to_string(placement.top));
    ini.set(kSection, "Width", std::to_string(placement.width));
    ini.set(kSection, "Height", std::to_string(placement.height));
    ini.set(kSection, "Maximized", placement.maximized ? "1" : "0");
}

WindowPlacement FitToArea(WindowPlacement p, const ScreenArea& area, int frameWidth,
                          int titleHeight) {
    p.width = std::max(1, std::min(p.width, area.width - 2 * frameWidth));
    p.height = std::max(1, std::min(p.height, area.height - titleHeight - frameWidth));
    int outerWidth = p.width + 2 * frameWidth;
    int outerHeight = p.height + titleHeight + frameWidth;
    p.left = std::clamp(p.left, area.left, area.left + area.width - outerWidth);
    p.top = std::clamp(p.top, area.top, area.top + area.height - outerHeight);
    return p;
}

} // namespace vestra
