#pragma once

#include <string>

namespace vestra {

// What decides where a file dialog starts when the last chosen file is gone.
struct StartFolders {
    std::string program;   // the program's own folder
    bool programWritable;  // false for an installed copy (/usr/bin, Program Files)
    std::string documents; // the user's documents folder
};

// The folders of this run: the program's, whether the user may write there, and the documents
// folder of the XDG user directories, or the Documents known folder on Windows.
StartFolders CurrentStartFolders();

// The folder a file dialog starts in. The folder of the last chosen file when that file still
// exists (with its trailing separator), otherwise the program's folder. Where the program's
// folder is not writable, its place is taken by the folder of the last chosen file when that
// folder still exists, otherwise by the documents folder.
std::string DialogStartFolder(const std::string& currentFilePath, const StartFolders& folders);

// The documents folder as the XDG user directories name it: XDG_DOCUMENTS_DIR in
// configHome/user-dirs.dirs ("$HOME/..." or an absolute path), else home/Documents when it
// exists, else home.
std::string DocumentsFolder(const std::string& configHome, const std::string& home);

} // namespace vestra
