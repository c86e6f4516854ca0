#pragma once

#include "data/DataSet.h"

#include <string>
#include <string_view>

namespace vestra {

// Writes the printed report of data, with every element and all 15 groups, as a PDF file paged
// for A4. The file appears only when complete; an old file of that name stays until then.
// False with a description in error when the file cannot be written.
// Needs a QGuiApplication (or QApplication) for the fonts; without a display, run it with
// QT_QPA_PLATFORM=offscreen.
bool WriteReportPdf(const DataSet& data, std::string_view unit, const std::string& path,
                    std::string& error);

} // namespace vestra
