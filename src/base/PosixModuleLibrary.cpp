#include "base/ModuleLibrary.h"

#include <dlfcn.h>

namespace vestra {

std::string ModuleFileName(std::string_view name) {
    return std::string(name) + ".so";
}

// The libraries the module needs come from its RUNPATH and the system's library path; an
// absolute path for the module itself keeps the current folder out.
LibraryEntry OpenLibraryEntry(const std::string& path, const char* entryName) {
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        return {nullptr, LibraryFault::NotLoaded, ::dlerror()};
    }
    void* entry = ::dlsym(handle, entryName);
    return {entry, entry != nullptr ? LibraryFault::None : LibraryFault::NoEntry, {}};
}

} // namespace vestra
