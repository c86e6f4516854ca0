#pragma once

#include "shell/MessageSink.h"

#include <QString>

class QPrinter;
class QWidget;

namespace vestra {

// The name shown for the printer in use: its device name, or the file a PDF printer writes.
QString PrinterDeviceName(const QPrinter& printer);

// A printer can be used when it names a device or writes a file.
bool PrinterReachable(const QPrinter& printer);

// The check before the print menu opens: tells the user when no printer can be used.
bool CheckPrinter(const QPrinter& printer, MessageSink& messages);

// The description shown when the printer refuses a document.
QString PrinterUnusableText(const QPrinter& printer);

// Lets the user choose the printer and its paper; a cancelled dialog changes nothing.
void RunPrinterSetup(QWidget* owner, QPrinter& printer);

} // namespace vestra
