#pragma once

#include "base/MessageSink.h"
#include "base/TemperatureUnit.h"
#include "data/DataSet.h"
#include "files/TextEncoding.h"

#include <string>
#include <string_view>
#include <vector>

namespace vestra {

// The lines of the CSV export and of the plain-text report, in UTF-8 and without line ends.
// Statistics are those stored in the groups by commitImport.
std::vector<std::string> CsvLines(const DataSet& data, TemperatureUnit unit);
std::vector<std::string> TextReportLines(const DataSet& data, TemperatureUnit unit);

// One CSV line: every field between double quotes, a quote inside a field doubled.
std::string CsvLine(const std::vector<std::string>& fields);

// The lines in the encoding, each ended by CR LF.
std::string EncodeLines(const std::vector<std::string>& lines,
                        TextEncoding encoding = TextEncoding::Cp932);

// CSV lines as EncodeLines gives them; in UTF-8 after a byte-order mark, by which spreadsheets
// tell UTF-8 from the code page of the system.
std::string EncodeCsvLines(const std::vector<std::string>& lines, TextEncoding encoding);

// Write store.currentData; both replace an existing file only once the new one is complete and
// show "File Save Error !" on failure. The CSV counts as a saved copy of the data (modified
// becomes false); the text report is only a printout and leaves modified alone.
bool ExportCsv(const std::string& path, DataStore& store, TemperatureUnit unit,
               MessageSink& messages);
bool ExportText(const std::string& path, const DataStore& store, TemperatureUnit unit,
                MessageSink& messages);

} // namespace vestra
