#include "print/PrinterCheck.h"

#include <QPrintDialog>
#include <QPrinter>

namespace vestra {

QString PrinterDeviceName(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        return printer.outputFileName();
    }
    return printer.printerName();
}

bool PrinterReachable(const QPrinter& printer) {
    return printer.isValid() && !PrinterDeviceName(printer).isEmpty();
}

bool CheckPrinter(const QPrinter& printer, MessageSink& messages) {
    if (PrinterReachable(printer)) {
        return true;
    }
    messages.showMessage("プリントエラーです。ご使用のプリンタ設定を確認してください",
                         MessageIcon::Exclamation);
    return false;
}

QString PrinterUnusableText(const QPrinter& printer) {
    return QStringLiteral("プリンタ「%1」に出力できません。").arg(PrinterDeviceName(printer));
}

void RunPrinterSetup(QWidget* owner, QPrinter& printer) {
    QPrintDialog dialog(&printer, owner);
    // Choosing the printer and its paper only: the report decides what is printed.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    dialog.exec();
}

} // namespace vestra
