#include "base/LoadedModule.h"

#include "base/InstallLayout.h"
#include "base/ModuleLibrary.h"

#include <map>
#include <mutex>

namespace vestra {

ModuleEntry LoadModuleEntry(std::string_view module, const char* entryName, std::string_view noun) {
    static std::mutex mutex;
    static std::map<std::string, ModuleEntry, std::less<>> loaded;
    std::lock_guard lock(mutex);
    auto [found, added] = loaded.try_emplace(std::string(module));
    if (!added) {
        return found->second;
    }
    std::string file = ModuleFileName(module);
    std::optional<std::string> path = ModulePath(RunningProgram(), file);
    if (!path) {
        found->second.failure = NotFoundWithoutProgramPlace(file);
        return found->second;
    }
    LibraryEntry library = OpenLibraryEntry(*path, entryName);
    found->second.entry = library.entry;
    if (library.fault == LibraryFault::NotLoaded) {
        found->second.failure =
            "the " + std::string(noun) + " cannot be loaded (" + library.reason + ")";
    } else if (library.fault == LibraryFault::NoEntry) {
        found->second.failure = *path + " is no " + std::string(noun) + " of this program";
    }
    return found->second;
}

} // namespace vestra
