#include "print/QtPrinterCheck.h"

#include "print/frmPrnSetup.h"

#include <QPagedPaintDevice>

namespace vestra {

bool CheckPrinter(QtPrintDestination& destination, PrintSystem& system, MessageSink& messages) {
    if (destination.isPdf()) {
        return true;
    }
    if (system.printerNames().isEmpty()) {
        destination.printerName.clear();
        return true;
    }
    if (system.openPrinter(destination)) {
        return true;
    }
    messages.showMessage("プリントエラーです。ご使用のプリンタ設定を確認してください",
                         MessageIcon::Exclamation);
    return false;
}

QString PrinterUnusableText(const QString& name) {
    return QStringLiteral("プリンタ「%1」に出力できません。").arg(name);
}

void RunPrinterSetup(QWidget* owner, QtPrintDestination& destination, PrintSystem& system) {
    frmPrnSetup dialog(destination, system.printerNames(), owner);
    if (dialog.exec() == QDialog::Accepted) {
        destination = dialog.destination();
    }
}

} // namespace vestra
