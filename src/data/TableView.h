#pragma once

#include <string>
#include <vector>

namespace vestra {

// Colour of a cell's text: alarm marks are red above the high limit, blue below the low one.
enum class CellColour { Normal, AlarmHigh, AlarmLow };

struct TableCell {
    std::string text;
    CellColour colour = CellColour::Normal;
};

// The texts of a table as the windows show them: row 0 holds the headings, column 0 the row
// numbers, like the fixed row and column of the grid.
struct TableView {
    std::vector<std::vector<TableCell>> rows;
    bool verticalScrollBar = false;

    int rowCount() const { return static_cast<int>(rows.size()); }
    int columnCount() const { return rows.empty() ? 0 : static_cast<int>(rows.front().size()); }
    const TableCell& cell(int row, int column) const;
    TableCell& cell(int row, int column);
    void setText(int row, int column, std::string text);
};

} // namespace vestra
