#pragma once

#include <string>
#include <string_view>

namespace vestra {

// What loading a module's entry point gave: the entry, or null with the reason ("the NOUN
// cannot be loaded (...)", "PATH is no NOUN of this program", or that the module is not looked
// for since the program's own place is unknown).
struct ModuleEntry {
    void* entry = nullptr;
    std::string failure;
};

// Loads module ("vestra-sqlite": its file is ModuleFileName's) once from
// ModulePath(RunningProgram(), file) and keeps it loaded (what it makes lives on its code), then
// looks up entryName. noun names the module in a failure.
ModuleEntry LoadModuleEntry(std::string_view module, const char* entryName, std::string_view noun);

} // namespace vestra
