#pragma once

#include <string_view>

namespace vestra::chart {

// Width of a UTF-8 text in the fixed-pitch Japanese face at size pixels: half-width
// characters (ASCII and half-width katakana) take half an em, every other character a full
// em. The layout uses it to keep labels apart without asking a font.
double TextWidth(std::string_view utf8, double size);

} // namespace vestra::chart
