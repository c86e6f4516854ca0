#pragma once

#include "base/IniFile.h"
#include "base/MessageSink.h"

#include <string>

namespace vestra {

// The settings file of a window run: read once at the start, written once at the end. Each part
// of the program reads and writes its own section through it (the window its placement, the
// history its [History]); every other line of the file is kept as it was read.
class SettingsDocument {
public:
    // The file as it is now. A missing file is an empty document; a file that exists but cannot
    // be read, or is too large to be a settings file, is an empty document that is never
    // written (writing would lose its lines): the run goes on with the defaults.
    static SettingsDocument Load(std::string path);
    // The document of a file just written with these contents (code page 932).
    static SettingsDocument Written(std::string path, std::string_view cp932);

    const std::string& path() const { return path_; }
    // Why the file was not read, for the line under the message; empty when it was or was none.
    const std::string& fault() const { return fault_; }
    const IniFile& ini() const { return ini_; }
    IniFile& ini() { return ini_; }

    // Replaces the file with the document; false when it cannot be written or was unreadable.
    bool save() const;

private:
    SettingsDocument(std::string path, IniFile ini, bool writable)
        : path_(std::move(path)), ini_(std::move(ini)), writable_(writable) {}

    std::string path_;
    IniFile ini_;
    bool writable_;
    std::string fault_;
};

// Says that the run goes on with the default settings and leaves the file alone, with the path
// and the reason; nothing when the document was read.
void ShowSettingsNotRead(MessageSink& messages, const SettingsDocument& document);

} // namespace vestra
