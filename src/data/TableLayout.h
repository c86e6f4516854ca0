#pragma once

#include "base/TemperatureUnit.h"
#include "data/TableView.h"

#include <array>
#include <string_view>

namespace vestra {

// Widths in twips (1/1440 inch) of the summary table (one row per group) and of the detail
// table (one row per reading). Either table is as wide as its columns plus a 50-twip frame.
inline constexpr std::array<int, 7> kSummaryColumnTwips = {675, 1050, 675, 1650, 1650, 975, 975};
inline constexpr std::array<int, 5> kDetailColumnTwips = {675, 1650, 975, 825, 3525};
inline constexpr int kTableFrameTwips = 50;
// The heading row and 15 data rows are visible without scrolling.
inline constexpr int kVisibleTableRows = 16;

inline constexpr int kRemarkColumn = 4;

int TableWidthTwips(const int* widths, std::size_t count);

// Twips to device-independent pixels: 15 twips per pixel at 96 dots per inch.
int TwipsToPixels(int twips, double dotsPerInch);

// Headings and the row numbers 1 to 15: what a table shows after it has been cleared.
TableView EmptySummaryTable(TemperatureUnit unit);
TableView EmptyDetailTable(TemperatureUnit unit);

} // namespace vestra
