#pragma once

#include "base/MessageSink.h"
#include "base/TemperatureUnit.h"
#include "data/DataSet.h"
#include "files/FileDialogs.h"
#include "files/OutputPlace.h"
#include "print/PrintOptions.h"
#include "print/QtPrintSystem.h"

#include <string>

class QDialog;

namespace vestra {

// Where a report goes and how the user is asked about it: the destination in use, the printers
// of the system, the file question for a PDF and the last data file (whose folder a first PDF
// question starts in), and who hears of a PDF written.
struct PrintPlace {
    PrintDestination& destination;
    PrintSystem& system;
    FileDialogs& fileDialogs;
    const std::string& currentFilePath;
    OutputPlace& outputs;
};

// What the print dialogs work on: the data to print, the printing state they change, where
// the report goes and where messages go.
struct PrintJob {
    const DataSet& data;
    TemperatureUnit unit;
    PrintSettings& settings;
    PrintPlace place;
    MessageSink& messages;
};

// The print button of both print dialogs: when a page holds enough lines (and, for a PDF, once
// the user has named the file), hides the dialog and prints the report in the progress window.
// The caller closes the dialog afterwards.
void StartPrinting(QDialog& from, const PrintJob& job);

// Shows the pages a print run would produce; the preview's print button goes on as
// StartPrinting. True when the report was printed, false when the preview was closed.
bool StartPreview(QDialog& from, const PrintJob& job);

} // namespace vestra
