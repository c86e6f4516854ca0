#include "base/LoadedModule.h"

#include "base/InstallLayout.h"

#include <dlfcn.h>
#include <map>
#include <mutex>

namespace vestra {

ModuleEntry LoadModuleEntry(const std::string& module, const char* entryName,
                            std::string_view noun) {
    static std::mutex mutex;
    static std::map<std::string, ModuleEntry> loaded;
    std::lock_guard lock(mutex);
    auto [found, added] = loaded.try_emplace(module);
    if (!added) {
        return found->second;
    }
    std::optional<std::string> path = ModulePath(RunningProgram(), module);
    void* handle = path ? ::dlopen(path->c_str(), RTLD_NOW | RTLD_LOCAL) : nullptr;
    if (!path) {
        found->second.failure = NotFoundWithoutProgramPlace(module);
    } else if (handle == nullptr) {
        found->second.failure =
            "the " + std::string(noun) + " cannot be loaded (" + std::string(::dlerror()) + ")";
    } else if ((found->second.entry = ::dlsym(handle, entryName)) == nullptr) {
        found->second.failure = *path + " is no " + std::string(noun) + " of this program";
    }
    return found->second;
}

} // namespace vestra
