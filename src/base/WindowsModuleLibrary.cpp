#include "base/ModuleLibrary.h"
#include "base/WindowsFileFault.h"
#include "base/WindowsText.h"

#include <windows.h>

namespace vestra {

std::string ModuleFileName(std::string_view name) {
    return std::string(name) + ".dll";
}

// LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR takes the libraries the module needs from the module's own
// folder, SYSTEM32 the system's; neither the current folder nor PATH is searched.
LibraryEntry OpenLibraryEntry(const std::string& path, const char* entryName) {
    HMODULE library =
        LoadLibraryExW(WidePath(path).c_str(), nullptr,
                       LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (library == nullptr) {
        return {nullptr, LibraryFault::NotLoaded, path + ": " + WindowsFaultText(GetLastError())};
    }
    FARPROC entry = GetProcAddress(library, entryName);
    if (entry == nullptr) {
        FreeLibrary(library); // no module of this program: nothing of it is used
        return {nullptr, LibraryFault::NoEntry, {}};
    }
    return {reinterpret_cast<void*>(entry), LibraryFault::None, {}};
}

} // namespace vestra
