#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vestra {

// One entry of a dialog's type list: the caption shown ("ﾃﾞﾌｫﾙﾄ(*.qmc)") and the pattern.
struct FileFilter {
    std::string caption;
    std::string pattern;
};

// What the open and save dialogs start with.
struct FileDialogSetup {
    std::string folder;           // the folder shown first
    std::string name;             // the name typed in already, without extension
    std::string defaultExtension; // without the dot; given to a name typed without one
    std::vector<FileFilter> filters;
};

// The file dialogs of the Open and Save commands. Each returns the full path the user
// confirmed, or nothing on cancel. The open dialog accepts only files that exist; the save
// dialog leaves the question about replacing a file to its caller.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<std::string> askOpen(const FileDialogSetup& setup) = 0;
    virtual std::optional<std::string> askSave(const FileDialogSetup& setup) = 0;
};

} // namespace vestra
