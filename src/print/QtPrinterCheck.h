#pragma once

#include "base/MessageSink.h"
#include "print/QtPrintSystem.h"

#include <QString>

class QWidget;

namespace vestra {

// The check before the print menu opens. The PDF file can always be written; on a system
// without any printer the destination becomes the PDF file. A printer that cannot be reached
// is reported to the user, and the check fails.
bool CheckPrinter(QtPrintDestination& destination, PrintSystem& system, MessageSink& messages);

// The description shown when the named printer refuses a document.
QString PrinterUnusableText(const QString& name);

// Lets the user choose the destination, its paper and orientation; a cancel changes nothing.
void RunPrinterSetup(QWidget* owner, QtPrintDestination& destination, PrintSystem& system);

} // namespace vestra
