#include "session/frmAbout.h"

#include "base/AboutText.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace vestra {
namespace {

// Message texts keep the CR LF of the version record; a label wants plain line feeds.
QString labelText(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QLabel* makeLabel(const std::string& text, QWidget* parent) {
    auto* label = new QLabel(labelText(text), parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    AboutText text = MakeAboutText();
    setWindowTitle(QString::fromStdString(text.caption));
    lblTitle = makeLabel(text.title, this);
    QFont big = lblTitle->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    lblTitle->setFont(big);
    lblModel = makeLabel(text.model, this);
    lblVersion = makeLabel(text.version, this);
    lblCopyright = makeLabel(text.copyright, this);
    lblDescription = makeLabel(text.description, this);

    auto* icon = new QLabel(this);
    icon->setPixmap(
        QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48));
    icon->setAlignment(Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    for (QLabel* label : {lblTitle, lblModel, lblVersion, lblDescription, lblCopyright}) {
        texts->addWidget(label);
    }
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(texts, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace vestra
