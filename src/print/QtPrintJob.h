#pragma once

#include "base/MessageSink.h"
#include "base/TemperatureUnit.h"
#include "data/DataSet.h"
#include "print/PrintOptions.h"
#include "print/QtPrintPlace.h"

class QDialog;

namespace vestra {

// What the print dialogs work on: the data to print, the printing state they change, where
// the report goes and where messages go.
struct QtPrintJob {
    const DataSet& data;
    TemperatureUnit unit;
    PrintSettings& settings;
    QtPrintPlace place;
    MessageSink& messages;
};

// The print button of both print dialogs: when a page holds enough lines (and, for a PDF, once
// the user has named the file), hides the dialog and prints the report in the progress window.
// The caller closes the dialog afterwards.
void StartPrinting(QDialog& from, const QtPrintJob& job);

// Shows the pages a print run would produce; the preview's print button goes on as
// StartPrinting. True when the report was printed, false when the preview was closed.
bool StartPreview(QDialog& from, const QtPrintJob& job);

} // namespace vestra
