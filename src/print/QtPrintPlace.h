#pragma once

#include "files/FileDialogs.h"
#include "files/OutputPlace.h"
#include "print/QtPrintSystem.h"

#include <string>

namespace vestra {

// Where a report goes and how the user is asked about it: the destination in use, the printers
// of the system, the file question for a PDF and the last data file (whose folder a first PDF
// question starts in), and who hears of a PDF written.
struct QtPrintPlace {
    QtPrintDestination& destination;
    PrintSystem& system;
    FileDialogs& fileDialogs;
    const std::string& currentFilePath;
    OutputPlace& outputs;
};

} // namespace vestra
