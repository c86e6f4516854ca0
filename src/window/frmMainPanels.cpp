#include "data/DataViews.h"
#include "data/TableLayout.h"
#include "window/QtGridTable.h"
#include "window/frmMain.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vestra {
namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// Element 1 of a caption/value label pair: a sunken box so an empty value still shows its place.
QLabel* valueLabel(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromUtf8(name));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 26);
    return label;
}

QLineEdit* annotationBox(const char* name, int widthInChars) {
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromUtf8(name));
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0")) * widthInChars +
                       12);
    return box;
}

void addPair(QGridLayout* grid, int row, int column, const char* caption, QLabel* value) {
    grid->addWidget(new QLabel(QString::fromUtf8(caption)), row, column);
    grid->addWidget(value, row, column + 1);
}

} // namespace

void frmMain::buildPanels() {
    auto* central = new QWidget;
    auto* columns = new QHBoxLayout(central);
    // The chart stands flush against the panels, so that at the panels' own size it takes no
    // room at all, not even a gap.
    int gap = columns->spacing();
    columns->setSpacing(0);
    auto* left = new QVBoxLayout;
    left->setSpacing(gap);
    tvwGroup_ = new QTreeWidget;
    tvwGroup_->setObjectName("tvwGroup");
    tvwGroup_->setHeaderHidden(true);
    tvwGroup_->setRootIsDecorated(false);
    tvwGroup_->setFixedWidth(tvwGroup_->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 16);
    left->addWidget(tvwGroup_, 1);
    left->addWidget(buildUnitFrame());
    columns->addLayout(left);
    columns->addSpacing(gap);
    auto* right = new QVBoxLayout;
    right->setSpacing(gap);
    right->addWidget(buildOverviewPanel());
    right->addWidget(buildGroupPanel());
    right->addStretch(1);
    columns->addLayout(right);
    // The chart takes whatever room the window has beyond what the panels need; at the size
    // the panels need it has none and the window looks as it always did.
    chartArea_ = new QWidget;
    chartArea_->setObjectName("chartArea");
    (new QVBoxLayout(chartArea_))->setContentsMargins(0, 0, 0, 0);
    columns->addWidget(chartArea_, 1);
    setCentralWidget(central);
}

QWidget* frmMain::buildUnitFrame() {
    auto* frame = new QGroupBox;
    frame->setObjectName("fraUnit");
    auto* row = new QHBoxLayout(frame);
    row->addWidget(new QLabel(QStringLiteral("単位")));
    lblUnit_ = new QLabel;
    lblUnit_->setObjectName("lblUnit1");
    row->addWidget(lblUnit_);
    row->addStretch(1);
    return frame;
}

QWidget* frmMain::buildOverviewPanel() {
    fraAll_ = new QGroupBox(QStringLiteral("全般"));
    fraAll_->setObjectName("fraAll");
    auto* panel = new QVBoxLayout(fraAll_);
    auto* header = new QGridLayout;
    txtInfo_ = annotationBox("txtInfo", 42);
    header->addWidget(new QLabel(QStringLiteral("件名")), 0, 0);
    header->addWidget(txtInfo_, 0, 1, 1, 3, Qt::AlignLeft);
    lblVESTRA_ = valueLabel("lblVESTRA1");
    lblTime_ = valueLabel("lblTime1");
    addPair(header, 1, 0, "ラベル", lblVESTRA_);
    addPair(header, 1, 2, "日時", lblTime_);
    header->setColumnStretch(4, 1);
    panel->addLayout(header);
    vsfgAll_ = new QtGridTable;
    vsfgAll_->setObjectName("vsfgAll");
    panel->addWidget(vsfgAll_);
    return fraAll_;
}

QWidget* frmMain::buildGroupPanel() {
    fraGrp_ = new QGroupBox(QStringLiteral("グループ"));
    fraGrp_->setObjectName("fraGrp");
    auto* panel = new QVBoxLayout(fraGrp_);
    auto* boxes = new QHBoxLayout;
    txtTarget_ = annotationBox("txtTarget", 22);
    txtName_ = annotationBox("txtName", 22);
    boxes->addWidget(new QLabel(QStringLiteral("対象物")));
    boxes->addWidget(txtTarget_);
    boxes->addSpacing(16);
    boxes->addWidget(new QLabel(QStringLiteral("測定者")));
    boxes->addWidget(txtName_);
    boxes->addStretch(1);
    panel->addLayout(boxes);
    auto* labels = new QGridLayout;
    lblTag_ = valueLabel("lblTag1");
    lblEP_ = valueLabel("lblEP1");
    lblArmH_ = valueLabel("lblArmH1");
    lblArmL_ = valueLabel("lblArmL1");
    lblNum_ = valueLabel("lblNum1");
    lblMax_ = valueLabel("lblMax1");
    lblMin_ = valueLabel("lblMin1");
    lblAve_ = valueLabel("lblAve1");
    addPair(labels, 0, 0, "タグ", lblTag_);
    addPair(labels, 1, 0, "放射率", lblEP_);
    addPair(labels, 2, 0, "上限値", lblArmH_);
    addPair(labels, 3, 0, "下限値", lblArmL_);
    addPair(labels, 0, 2, "ﾃﾞｰﾀ数", lblNum_);
    addPair(labels, 1, 2, "最大値", lblMax_);
    addPair(labels, 2, 2, "最小値", lblMin_);
    addPair(labels, 3, 2, "平均値", lblAve_);
    labels->setColumnStretch(4, 1);
    panel->addLayout(labels);
    vsfgGrp_ = new QtGridTable;
    vsfgGrp_->setObjectName("vsfgGrp");
    panel->addWidget(vsfgGrp_);
    txtEdit_ = new QLineEdit(vsfgGrp_->viewport());
    txtEdit_->setObjectName("txtEdit");
    return fraGrp_;
}

void frmMain::buildGroupTree() {
    auto* root = new QTreeWidgetItem(tvwGroup_, {QStringLiteral("VESTRA")});
    for (int g = 1; g <= kGroupCount; ++g) {
        new QTreeWidgetItem(root, {qs(GroupNodeText(g))});
    }
    tvwGroup_->expandAll();
    tvwGroup_->setCurrentItem(root);
    connect(tvwGroup_, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* node) {
        if (node == tvwGroup_->topLevelItem(0)) {
            tvwGroup_->expandItem(node);
        }
    });
    connect(tvwGroup_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* node) { nodeClicked(node); });
}

void frmMain::nodeClicked(QTreeWidgetItem* node) {
    if (!node) {
        return;
    }
    commitRemark(false);
    txtEdit_->hide();
    QTreeWidgetItem* root = tvwGroup_->topLevelItem(0);
    if (node == root) {
        store_.currentGroup = 0;
        fraGrp_->hide();
        showSummary();
        fraAll_->show();
        return;
    }
    store_.currentGroup = root->indexOfChild(node) + 1;
    fraGrp_->setTitle(qs(GroupCaption(store_.currentGroup)));
    fraAll_->hide();
    resetSummaryTable();
    showGroup(store_.currentGroup);
    fraGrp_->show();
}

void frmMain::resetSummaryTable() {
    txtInfo_->clear();
    lblVESTRA_->clear();
    lblTime_->clear();
    vsfgAll_->showTable(EmptySummaryTable(unit_));
}

void frmMain::resetDetailTable() {
    for (QLineEdit* box : {txtTarget_, txtName_}) {
        box->clear();
    }
    for (QLabel* label :
         {lblTag_, lblNum_, lblEP_, lblMax_, lblMin_, lblAve_, lblArmH_, lblArmL_}) {
        label->clear();
    }
    vsfgGrp_->showTable(EmptyDetailTable(unit_));
}

void frmMain::showSummary() {
    resetSummaryTable();
    SummaryView view = ShowSummary(store_.currentData, store_.hasData, unit_);
    txtInfo_->setText(qs(view.subject));
    lblVESTRA_->setText(qs(view.deviceLabel));
    lblTime_->setText(qs(view.importedAt));
    fraAll_->setEnabled(view.editable);
    vsfgAll_->showTable(view.table);
    memoryPanel_->setText(qs(view.memoryStatus));
    emit nodeShown(0);
}

void frmMain::showGroup(int g) {
    resetDetailTable();
    GroupView view = ShowGroup(store_.currentData, store_.hasData, g, unit_);
    const std::pair<QLabel*, const std::string*> values[] = {
        {lblTag_, &view.tag},       {lblEP_, &view.emissivity}, {lblArmH_, &view.alarmHigh},
        {lblArmL_, &view.alarmLow}, {lblNum_, &view.count},     {lblMax_, &view.maximum},
        {lblMin_, &view.minimum},   {lblAve_, &view.average}};
    for (auto [label, text] : values) {
        label->setText(qs(*text));
    }
    txtTarget_->setText(qs(view.target));
    txtName_->setText(qs(view.measurer));
    fraGrp_->setEnabled(view.editable);
    vsfgGrp_->showTable(view.table);
    memoryPanel_->setText(qs(view.memoryStatus));
    emit nodeShown(g);
}

} // namespace vestra
