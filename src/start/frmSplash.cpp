#include "start/frmSplash.h"

#include "base/AboutText.h"
#include "base/AppInfo.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vestra {
namespace {

constexpr int kSplashMilliseconds = 2000;

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

frmSplash::frmSplash(TemperatureUnit currentUnit, bool askModelType, QWidget* parent)
    : QDialog(parent), currentUnit_(currentUnit), askModelType_(askModelType) {
    setWindowTitle(q(kAppTitle));
    lblProductName = new QLabel(q(kAppTitle), this);
    lblVersion = new QLabel(QString::fromStdString(VersionNumberText()), this);
    lblMSG[0] = new QLabel(QStringLiteral("お使いの機種は、どちらのタイプですか？"), this);
    lblMSG[1] = new QLabel(this);
    lblMSG[1]->hide();
    optType[0] = new QRadioButton(QStringLiteral("測定単位 ﾟC （摂氏） タイプ"), this);
    optType[1] = new QRadioButton(QStringLiteral("測定単位 ﾟF （華氏） タイプ"), this);
    chkType = new QCheckBox(QStringLiteral("今後、上記機種タイプの問い合わせを行わない。"), this);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    tmrOpen = new QTimer(this);
    tmrOpen->setInterval(kSplashMilliseconds);
    tmrOpen->setSingleShot(true);

    optType[currentUnit_ == TemperatureUnit::Fahrenheit ? 1 : 0]->setChecked(true);
    for (QRadioButton* option : optType) {
        option->installEventFilter(this);
    }
    connect(cmdOK, &QPushButton::clicked, this, &frmSplash::cmdOK_Click);
    connect(chkType, &QCheckBox::toggled, this, [this](bool checked) { askModelType_ = !checked; });
    connect(tmrOpen, &QTimer::timeout, this, &frmSplash::cmdOK_Click);

    buildLayout();
    if (!askModelType_) {
        enterSplashMode();
    }
}

void frmSplash::buildLayout() {
    QFont big = lblProductName->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    lblProductName->setFont(big);
    auto* logo = new QLabel(this);
    logo->setPixmap(QApplication::windowIcon().pixmap(64));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(logo, 0, Qt::AlignHCenter);
    layout->addWidget(lblProductName, 0, Qt::AlignHCenter);
    layout->addWidget(lblVersion, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(lblMSG[0]);
    layout->addWidget(lblMSG[1], 0, Qt::AlignHCenter);
    layout->addWidget(optType[0]);
    layout->addWidget(optType[1]);
    layout->addWidget(chkType);
    layout->addWidget(cmdOK, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmSplash::enterSplashMode() {
    lblMSG[0]->hide();
    lblMSG[1]->setText(currentUnit_ == TemperatureUnit::Celsius
                           ? QStringLiteral("測定単位 ﾟC 対応")
                           : QStringLiteral("測定単位 ﾟF 対応"));
    lblMSG[1]->show();
    for (QRadioButton* option : optType) {
        option->hide();
    }
    chkType->setEnabled(false);
    chkType->hide();
    cmdOK->hide();
    tmrOpen->start();
}

void frmSplash::cmdOK_Click() {
    tmrOpen->stop();
    currentUnit_ = optType[0]->isChecked() ? TemperatureUnit::Celsius : TemperatureUnit::Fahrenheit;
    accept();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cmdOK->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// The form has no cancel button: Esc must not end the program by accident. Closing the window
// itself still does.
void frmSplash::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace vestra
