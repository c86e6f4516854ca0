#include "data/TableView.h"

namespace vestra {

const TableCell& TableView::cell(int row, int column) const {
    return rows.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
}

TableCell& TableView::cell(int row, int column) {
    return rows.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
}

void TableView::setText(int row, int column, std::string text) {
    cell(row, column).text = std::move(text);
}

} // namespace vestra
