#include "history/BackendModules.h"

#include <dlfcn.h>
#include <filesystem>
#include <map>
#include <mutex>

namespace vestra::history {
namespace {

std::string runningProgram() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).string();
}

struct LoadedEntry {
    void* entry = nullptr;
    std::string failure;
};

// Each module is loaded once and kept: the connections it makes live on its code.
LoadedEntry loadEntry(const std::string& module, const char* entryName, std::string_view backend) {
    static std::mutex mutex;
    static std::map<std::string, LoadedEntry> loaded;
    std::lock_guard lock(mutex);
    auto [found, added] = loaded.try_emplace(module);
    if (!added) {
        return found->second;
    }
    std::string path = BackendModulePath(runningProgram(), module);
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        found->second.failure = "the " + std::string(backend) + " back end cannot be loaded (" +
                                std::string(::dlerror()) + ")";
    } else if ((found->second.entry = ::dlsym(handle, entryName)) == nullptr) {
        found->second.failure =
            path + " is no " + std::string(backend) + " back end of this program";
    }
    return found->second;
}

// The build tree keeps modules and private programs in its lib/; an installation has them in
// fromBin, relative to its bin/, which is the running program's folder or, for one of the private
// programs (libexec/vestra), the bin/ of the same installation.
std::string PrivateFilePath(const std::string& programPath, std::string_view name,
                            const char* fromBin) {
    std::string buildTree = VESTRA_BUILD_TREE;
    if (programPath.starts_with(buildTree + "/")) {
        return buildTree + "/lib/" + std::string(name);
    }
    std::filesystem::path folder = std::filesystem::path(programPath).parent_path();
    std::filesystem::path bin = (folder / VESTRA_BIN_FROM_PROGRAMS).lexically_normal();
    if ((bin / VESTRA_PROGRAMS_FROM_BIN).lexically_normal() != folder.lexically_normal()) {
        bin = folder;
    }
    return (bin / fromBin / name).lexically_normal().string();
}

} // namespace

std::string BackendModulePath(const std::string& programPath, std::string_view module) {
    return PrivateFilePath(programPath, module, VESTRA_MODULES_FROM_BIN);
}

std::string PrivateProgramPath(const std::string& programPath, std::string_view program) {
    return PrivateFilePath(programPath, program, VESTRA_PROGRAMS_FROM_BIN);
}

std::string HistoryRecordProgram() {
    return PrivateProgramPath(runningProgram(), "vestra-history-record");
}

std::unique_ptr<SqlConnection> ConnectPostgres(const ServerAddress& server, HistoryAccess access) {
    LoadedEntry loaded = loadEntry("vestra-postgres.so", "vestra_postgres_connect", "PostgreSQL");
    if (loaded.entry == nullptr) {
        throw SqlError(RedactedDatabaseName(server.conninfo) + ": " + loaded.failure);
    }
    auto connect = reinterpret_cast<decltype(&vestra_postgres_connect)>(loaded.entry);
    return std::unique_ptr<SqlConnection>(connect(server, access));
}

std::unique_ptr<SqlConnection> ConnectSqlite(const std::string& path, HistoryAccess access) {
    LoadedEntry loaded = loadEntry("vestra-sqlite.so", "vestra_sqlite_connect", "SQLite");
    if (loaded.entry == nullptr) {
        throw SqlError(path + ": " + loaded.failure);
    }
    auto connect = reinterpret_cast<decltype(&vestra_sqlite_connect)>(loaded.entry);
    return std::unique_ptr<SqlConnection>(connect(path, access));
}

} // namespace vestra::history
