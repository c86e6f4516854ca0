#pragma once

#include "data/DataSet.h"
#include "print/PrintOptions.h"
#include "shell/Common.h"
#include "shell/MessageSink.h"

class QDialog;
class QPrinter;

namespace vestra {

// What the print dialogs work on: the data to print, the printing state they change, the
// printer in use and where messages go.
struct PrintJob {
    const DataSet& data;
    TemperatureUnit unit;
    PrintSettings& settings;
    QPrinter& printer;
    MessageSink& messages;
};

// The print button of both print dialogs: when a page holds enough lines, hides the dialog and
// prints the report in the progress window. The caller closes the dialog afterwards.
void StartPrinting(QDialog& from, const PrintJob& job);

} // namespace vestra
