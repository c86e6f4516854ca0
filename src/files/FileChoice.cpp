#include "files/FileChoice.h"

#include "base/FileFunc.h"
#include "base/StartFolder.h"
#include "base/TemperatureUnit.h"
#include "base/VisibleText.h"
#include "files/FileCommands.h"

#include <algorithm>
#include <filesystem>

namespace vestra {
namespace {

std::string lastPart(const std::string& path) {
    std::size_t separator = path.find_last_of(kPathSeparators);
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

// The extension of the file name alone: a dot in a folder name does not count.
std::string nameExtension(const std::string& path) {
    std::string name = lastPart(path);
    std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

FileFilter nativeFilter(TemperatureUnit unit) {
    std::string pattern = "*." + NativeExtension(unit);
    return {"ﾃﾞﾌｫﾙﾄ(" + pattern + ")", pattern};
}

std::string initialName(const std::string& currentFilePath, const std::string& native) {
    constexpr std::size_t kDotAndExtension = 4; // ".qmc" or ".qmf"
    if (LowerCaseAscii(ExtensionOf(currentFilePath)) != native || !FileExists(currentFilePath)) {
        return {};
    }
    std::string name = FileNameOf(currentFilePath);
    return name.substr(0, name.size() - std::min(name.size(), kDotAndExtension));
}

std::string folderPart(const std::string& path) {
    std::size_t separator = path.find_last_of(kPathSeparators);
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

bool confirmReplace(const std::string& path, MessageSink& messages) {
    std::error_code ec;
    return !std::filesystem::exists(path, ec) ||
           messages.askYesNo(VisibleText(lastPart(path)) + " は既に存在します。\n上書きしますか?");
}

} // namespace

FileDialogSetup OpenDialogSetup(const std::string& currentFilePath, TemperatureUnit unit) {
    std::string native = NativeExtension(unit);
    return {DialogStartFolder(currentFilePath, CurrentStartFolders()),
            initialName(currentFilePath, native),
            native,
            {nativeFilter(unit)}};
}

FileDialogSetup SaveDialogSetup(const std::string& currentFilePath, TemperatureUnit unit) {
    FileDialogSetup setup = OpenDialogSetup(currentFilePath, unit);
    setup.filters.push_back({"CSVﾌｧｲﾙ(*.csv)", "*.csv"});
    setup.filters.push_back({"ﾃｷｽﾄﾌｧｲﾙ(*.txt)", "*.txt"});
    return setup;
}

std::string WithDefaultExtension(const std::string& path, std::string_view extension) {
    bool hasName = !lastPart(path).empty();
    return hasName && nameExtension(path).empty() ? path + "." + std::string(extension) : path;
}

bool ChooseOpenFile(FileDialogs& dialogs, std::string& currentFilePath, TemperatureUnit unit,
                    MessageSink& messages) {
    FileDialogSetup setup = OpenDialogSetup(currentFilePath, unit);
    std::optional<std::string> chosen = dialogs.askOpen(setup);
    return chosen && AcceptOpenName(*chosen, currentFilePath, unit, messages);
}

bool AcceptOpenName(const std::string& chosen, std::string& currentFilePath, TemperatureUnit unit,
                    MessageSink& messages) {
    std::string native = NativeExtension(unit);
    std::string path = WithDefaultExtension(chosen, native);
    if (LowerCaseAscii(nameExtension(path)) != native) {
        ShowUnsupportedFileName(messages);
        return false;
    }
    currentFilePath = path;
    return true;
}

std::optional<std::string> AskSaveName(FileDialogs& dialogs, FileDialogSetup setup,
                                       const std::function<bool(const std::string&)>& accepted,
                                       MessageSink& messages) {
    for (;;) {
        std::optional<std::string> chosen = dialogs.askSave(setup);
        if (!chosen) {
            return std::nullopt;
        }
        std::string path = WithDefaultExtension(*chosen, setup.defaultExtension);
        if (!accepted(path)) {
            ShowUnsupportedFileName(messages);
            return std::nullopt;
        }
        if (confirmReplace(path, messages)) {
            return path;
        }
        setup.folder = folderPart(path);
        setup.name = lastPart(path);
    }
}

bool ChooseSaveFile(FileDialogs& dialogs, std::string& currentFilePath, TemperatureUnit unit,
                    MessageSink& messages) {
    std::optional<std::string> path = AskSaveName(
        dialogs, SaveDialogSetup(currentFilePath, unit),
        [unit](const std::string& p) { return SaveFormatOf(p, unit) != SaveFormat::Unsupported; },
        messages);
    if (!path) {
        return false;
    }
    currentFilePath = *path;
    return true;
}

} // namespace vestra
