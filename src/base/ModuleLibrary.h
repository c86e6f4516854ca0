#pragma once

#include <string>
#include <string_view>

namespace vestra {

// The system's loader under LoadModuleEntry (base/LoadedModule), one file per platform.

// The file of module name as the build makes it (CMake's suffix of a module library):
// "vestra-sqlite.so", "vestra-sqlite.dll" on Windows.
std::string ModuleFileName(std::string_view name);

enum class LibraryFault {
    None,
    NotLoaded, // the system refused the file; reason says why
    NoEntry,   // loaded, but without the entry: no module of this program
};

struct LibraryEntry {
    void* entry = nullptr;
    LibraryFault fault = LibraryFault::None;
    std::string reason;
};

// Loads the library at path, which is absolute, with the libraries it needs from its own folder
// and the system's only, and looks up entryName in it. A library with its entry stays loaded for
// the rest of the process: what it makes lives on its code.
LibraryEntry OpenLibraryEntry(const std::string& path, const char* entryName);

} // namespace vestra
