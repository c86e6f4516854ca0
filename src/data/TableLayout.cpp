#include "data/TableLayout.h"

#include <cmath>
#include <numeric>
#include <string>

namespace vestra {
namespace {

constexpr int kTwipsPerInch = 1440;

std::string withUnit(const char* heading, TemperatureUnit unit) {
    return std::string(heading) + "(" + UnitText(unit) + ")";
}

TableView emptyTable(std::vector<std::string> headings) {
    TableView table;
    table.rows.assign(kVisibleTableRows, std::vector<TableCell>(headings.size()));
    for (std::size_t c = 0; c < headings.size(); ++c) {
        table.rows[0][c].text = std::move(headings[c]);
    }
    for (int r = 1; r < kVisibleTableRows; ++r) {
        table.setText(r, 0, std::to_string(r));
    }
    return table;
}

} // namespace

int TableWidthTwips(const int* widths, std::size_t count) {
    return std::accumulate(widths, widths + count, 0) + kTableFrameTwips;
}

int TwipsToPixels(int twips, double dotsPerInch) {
    return static_cast<int>(std::lround(twips * dotsPerInch / kTwipsPerInch));
}

// The leading blanks of the headings are part of them: they set the text off the grid line.
TableView EmptySummaryTable(TemperatureUnit unit) {
    return emptyTable({"ｸﾞﾙｰﾌﾟ", "  タグ", "収録数", "  収録開始日時", "  最終収録日時",
                       withUnit("最大値", unit), withUnit("最小値", unit)});
}

TableView EmptyDetailTable(TemperatureUnit unit) {
    return emptyTable(
        {"収録No.", "    収録日時", withUnit("データ", unit), "　警報", "    備  考"});
}

} // namespace vestra
