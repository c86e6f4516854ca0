#include "history/HistorySources.h"

#include "files/DataFile.h"
#include "shell/Common.h"
#include "shell/FileFault.h"
#include "shell/FileFunc.h"
#include "shell/FileRead.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace vestra::history {
namespace {

namespace fs = std::filesystem;

bool isDataFileName(const fs::path& path) {
    std::string extension = LowerCaseAscii(path.extension().string());
    return extension == ".qmc" || extension == ".qmf";
}

void collectFolder(const fs::path& folder, SourceList& list) {
    std::error_code error;
    std::vector<std::string> found;
    fs::recursive_directory_iterator it(folder, error);
    for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (isDataFileName(it->path()) && !it->is_directory()) {
            found.push_back(it->path().string());
        }
    }
    if (error) {
        list.unreadable.emplace_back(folder.string(), FileFaultText(error.value()));
    }
    std::sort(found.begin(), found.end());
    list.files.insert(list.files.end(), found.begin(), found.end());
}

} // namespace

bool ReadSourceFile(const std::string& path, SourceFile& source, std::string& reason) {
    FileContents contents;
    if (!ReadRegularFile(path, kMaxDataFileBytes, contents, reason)) {
        return false;
    }
    for (std::string_view unit : {kUnitCelsius, kUnitFahrenheit}) {
        if (auto data = DecodeDataFile(contents.bytes, unit)) {
            std::error_code ignored; // a relative name is still better than none
            fs::path absolute = fs::absolute(path, ignored);
            source = {absolute.empty() ? path : absolute.lexically_normal().string(),
                      std::move(*data), std::string(unit)};
            return true;
        }
    }
    reason = kNotDataFile;
    return false;
}

SourceList CollectSourceFiles(const std::vector<std::string>& names) {
    SourceList list;
    for (const std::string& name : names) {
        std::error_code error;
        if (fs::is_directory(name, error)) {
            collectFolder(name, list);
        } else {
            list.files.push_back(name);
        }
    }
    return list;
}

} // namespace vestra::history
