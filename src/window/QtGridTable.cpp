#include "window/QtGridTable.h"

#include "data/TableLayout.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

namespace vestra {
namespace {

constexpr int kRowPadding = 6;

QColor colourOf(CellColour colour) {
    switch (colour) {
    case CellColour::AlarmHigh:
        return QColor(255, 0, 0);
    case CellColour::AlarmLow:
        return QColor(0, 0, 255);
    case CellColour::Normal:
        break;
    }
    return {};
}

// Numbers stand to the right like figures in a ledger, texts to the left.
Qt::Alignment alignmentOf(const QString& text) {
    bool number = false;
    text.trimmed().toDouble(&number);
    return (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

} // namespace

QtGridTable::QtGridTable(QWidget* parent) : QTableWidget(parent) {
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void QtGridTable::setColumnTwips(std::span<const int> twips) {
    double dpi = logicalDpiX();
    columnPixels_.clear();
    for (int w : twips) {
        columnPixels_.push_back(TwipsToPixels(w, dpi));
    }
    setColumnCount(static_cast<int>(columnPixels_.size()));
    int rowHeight = fontMetrics().height() + kRowPadding;
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setMinimumSectionSize(rowHeight);
    horizontalHeader()->setFixedHeight(rowHeight);
    setFixedHeight(kVisibleTableRows * rowHeight + 2 * frameWidth());
    fitWidth();
}

// With the vertical scroll bar on, the last column gives up its width so that nothing is cut.
void QtGridTable::fitWidth() {
    int total = 0;
    int scroll = verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn
                     ? verticalScrollBar()->sizeHint().width()
                     : 0;
    for (std::size_t c = 0; c < columnPixels_.size(); ++c) {
        int width = columnPixels_[c];
        if (c + 1 == columnPixels_.size()) {
            width -= scroll;
        }
        setColumnWidth(static_cast<int>(c), width);
        total += columnPixels_[c];
    }
    setFixedWidth(total + 2 * frameWidth());
}

void QtGridTable::showTable(const TableView& table) {
    clearContents();
    setRowCount(std::max(0, table.rowCount() - 1));
    for (int c = 0; c < table.columnCount(); ++c) {
        setHorizontalHeaderItem(
            c, new QTableWidgetItem(QString::fromStdString(table.cell(0, c).text)));
    }
    QBrush fixedBrush = palette().button();
    for (int r = 1; r < table.rowCount(); ++r) {
        for (int c = 0; c < table.columnCount(); ++c) {
            const TableCell& cell = table.cell(r, c);
            auto* item = new QTableWidgetItem(QString::fromStdString(cell.text));
            item->setTextAlignment(c == kRemarkColumn ? Qt::AlignLeft | Qt::AlignVCenter
                                                      : alignmentOf(item->text()));
            if (cell.colour != CellColour::Normal) {
                item->setForeground(colourOf(cell.colour));
            }
            if (c == 0) {
                item->setBackground(fixedBrush);
                item->setTextAlignment(Qt::AlignCenter);
                item->setFlags(Qt::ItemIsEnabled);
            }
            setItem(r - 1, c, item);
        }
    }
    setVerticalScrollBarPolicy(table.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                       : Qt::ScrollBarAlwaysOff);
    fitWidth();
    setCurrentGridCell(1, 1);
    scrollToTop();
}

void QtGridTable::setCurrentGridCell(int row, int column) {
    setCurrentCell(row - 1, column, QItemSelectionModel::ClearAndSelect);
    if (!hasFocus()) {
        clearSelection();
    }
}

QString QtGridTable::gridText(int row, int column) const {
    const QTableWidgetItem* cell = item(row - 1, column);
    return cell ? cell->text() : QString();
}

void QtGridTable::setGridText(int row, int column, const QString& text) {
    QTableWidgetItem* cell = item(row - 1, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        setItem(row - 1, column, cell);
    }
    cell->setText(text);
}

QRect QtGridTable::gridCellRect(int row, int column) const {
    return visualRect(model()->index(row - 1, column));
}

void QtGridTable::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

// Only the table that has the focus marks its current cell.
void QtGridTable::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    if (currentIndex().isValid()) {
        selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
    }
}

void QtGridTable::focusOutEvent(QFocusEvent* event) {
    QTableWidget::focusOutEvent(event);
    clearSelection();
}

} // namespace vestra
