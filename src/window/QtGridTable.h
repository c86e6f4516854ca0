#pragma once

#include "data/TableView.h"

#include <QTableWidget>
#include <span>

namespace vestra {

// The grid of the main window's tables. Rows are counted like the grid they replace: row 0 is
// the fixed heading row (the header of the view, so it stays when the rows scroll), rows from 1
// hold data; column 0 holds the row numbers in the look of a heading.
class QtGridTable : public QTableWidget {
    Q_OBJECT
public:
    explicit QtGridTable(QWidget* parent = nullptr);

    // Column widths in twips; the table is sized to show its headings and 15 rows.
    void setColumnTwips(std::span<const int> twips);
    // Writes every text, colour and the scroll bar, then makes row 1, column 1 current.
    void showTable(const TableView& table);

    int gridRowCount() const { return rowCount() + 1; }
    int currentGridRow() const { return currentRow() + 1; }
    void setCurrentGridCell(int row, int column);
    QString gridText(int row, int column) const;
    void setGridText(int row, int column, const QString& text);
    // Where the cell stands, in the coordinates of the viewport.
    QRect gridCellRect(int row, int column) const;

signals:
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void fitWidth();

    std::vector<int> columnPixels_;
};

} // namespace vestra
