#include "history/HistorySources.h"

#include "base/FileFault.h"
#include "base/FileRead.h"
#include "base/PathText.h"
#include "base/TemperatureUnit.h"
#include "files/DataFile.h"

#include <filesystem>
#include <system_error>

namespace vestra::history {

namespace fs = std::filesystem;

bool ReadSourceFile(const std::string& path, SourceFile& source, std::string& reason) {
    Expected<FileContents> contents = ReadRegularFile(path, kMaxDataFileBytes);
    if (!contents) {
        reason = contents.error().text;
        return false;
    }
    if (!DecodeSourceBytes(contents->bytes, source, reason)) {
        return false;
    }
    std::error_code ignored; // a relative name is still better than none
    fs::path absolute = fs::absolute(PathOfText(path), ignored);
    source.path = absolute.empty() ? path : TextOfPath(absolute.lexically_normal());
    return true;
}

bool DecodeSourceBytes(std::string_view bytes, SourceFile& source, std::string& reason) {
    for (TemperatureUnit unit : kTemperatureUnits) {
        if (auto data = DecodeDataFile(bytes, unit)) {
            source = {std::string(), std::move(*data), unit};
            return true;
        }
    }
    reason = kNotDataFile;
    return false;
}

} // namespace vestra::history
