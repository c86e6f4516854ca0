#include "devicesettings/frmSetAll.h"

#include "base/AppInfo.h"
#include "devicesettings/SettingsListText.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace vestra {
namespace {

// Column widths in twips, 15 twips to a pixel at the usual 96 dots per inch.
constexpr int kTwipsPerPixel = 15;
constexpr int kColumnTwips[] = {825, 1050, 975, 975, 975};
// The margin that lets the whole table show without scroll bars.
constexpr int kMarginTwips = 50;
constexpr int kFirstNumberColumn = 2;

QTableWidget* buildGrid(const std::vector<SettingsListRow>& rows) {
    auto* grid = new QTableWidget(static_cast<int>(rows.size()), 5);
    grid->setObjectName("vsfgSet");
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int r = 0; r < grid->rowCount(); ++r) {
        for (int c = 0; c < 5; ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(rows[r][c]));
            // The heading row and the group column are the grid's fixed cells.
            if (r == 0 || c == 0) {
                item->setBackground(grid->palette().button());
            }
            // Emissivity and the limits stand to the right like the figures of the main
            // window's tables.
            if (r > 0 && c >= kFirstNumberColumn) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            grid->setItem(r, c, item);
        }
    }
    // The widths in twips suit a small font; a larger one widens a column rather than cutting
    // its heading.
    grid->setWordWrap(false);
    grid->resizeColumnsToContents();
    grid->resizeRowsToContents();
    int margin = kMarginTwips / kTwipsPerPixel + 2 * grid->frameWidth();
    int width = margin;
    for (int c = 0; c < 5; ++c) {
        grid->setColumnWidth(c, std::max(grid->columnWidth(c), kColumnTwips[c] / kTwipsPerPixel));
        width += grid->columnWidth(c);
    }
    grid->setFixedSize(width, grid->rowCount() * grid->rowHeight(0) + margin);
    return grid;
}

} // namespace

frmSetAll::frmSetAll(const DeviceSettings& settings, TemperatureUnit unit, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(kAppTitle) + QString::fromUtf8(" 設定一覧表示"));

    auto* labelRow = new QHBoxLayout;
    labelRow->addWidget(new QLabel(QString::fromUtf8("本体ラベル")));
    auto* label = new QLabel(QString::fromStdString(settings.label));
    label->setObjectName("lblLabel");
    labelRow->addWidget(label);
    labelRow->addStretch();

    auto* cmdSet = new QPushButton(QString::fromUtf8("設定"));
    auto* cmdCancel = new QPushButton(QString::fromUtf8("戻る"));
    for (QPushButton* button : {cmdSet, cmdCancel}) {
        button->setAutoDefault(false);
    }
    connect(cmdSet, &QPushButton::clicked, this, &frmSetAll::cmdSet_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSetAll::cmdCancel_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSet);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(labelRow);
    layout->addWidget(buildGrid(SettingsListCells(settings, unit)));
    layout->addLayout(buttons);
}

void frmSetAll::cmdSet_Click() {
    sendRequested_ = true;
    accept();
}

// Esc and the close box reject the dialog as well, leaving sendRequested false.
void frmSetAll::cmdCancel_Click() {
    sendRequested_ = false;
    reject();
}

} // namespace vestra
