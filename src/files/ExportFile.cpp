#include "base/AtomicFile.h"
#include "base/TextCodec.h"
#include "files/Export.h"
#include "files/FileErrors.h"

namespace vestra {
namespace {

bool writeLines(const std::string& path, const std::vector<std::string>& lines,
                MessageSink& messages) {
    Expected<void> written = WriteFileAtomically(path, EncodeLines(lines));
    if (!written) {
        ShowSaveError(messages, path, written.error().text);
        return false;
    }
    return true;
}

} // namespace

std::string EncodeLines(const std::vector<std::string>& lines, TextEncoding encoding) {
    std::string out;
    for (const std::string& line : lines) {
        out += encoding == TextEncoding::Cp932 ? ToCp932(line) : line;
        out += "\r\n";
    }
    return out;
}

std::string EncodeCsvLines(const std::vector<std::string>& lines, TextEncoding encoding) {
    std::string mark = encoding == TextEncoding::Utf8 ? "\xEF\xBB\xBF" : "";
    return mark + EncodeLines(lines, encoding);
}

bool ExportCsv(const std::string& path, DataStore& store, TemperatureUnit unit,
               MessageSink& messages) {
    if (!writeLines(path, CsvLines(store.currentData, unit), messages)) {
        return false;
    }
    store.modified = false;
    return true;
}

bool ExportText(const std::string& path, const DataStore& store, TemperatureUnit unit,
                MessageSink& messages) {
    return writeLines(path, TextReportLines(store.currentData, unit), messages);
}

} // namespace vestra
