#include "history/PostgresModule.h"

#include <dlfcn.h>
#include <filesystem>
#include <mutex>

namespace vestra::history {
namespace {

using ConnectFunction = decltype(&vestra_postgres_connect);

std::string runningProgram() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).string();
}

// Loaded once and kept: the connections it makes live on code of the module.
ConnectFunction loadModule(std::string& failure) {
    static std::once_flag once;
    static ConnectFunction connect = nullptr;
    static std::string loadFailure;
    std::call_once(once, [] {
        std::string path = PostgresModulePath(runningProgram());
        void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            loadFailure =
                "the PostgreSQL back end cannot be loaded (" + std::string(::dlerror()) + ")";
            return;
        }
        connect = reinterpret_cast<ConnectFunction>(::dlsym(module, "vestra_postgres_connect"));
        if (connect == nullptr) {
            loadFailure = path + " is no PostgreSQL back end of this program";
        }
    });
    failure = loadFailure;
    return connect;
}

} // namespace

std::string PostgresModulePath(const std::string& programPath) {
    std::filesystem::path program(programPath);
    std::string buildTree = VESTRA_BUILD_TREE;
    if (programPath.starts_with(buildTree + "/")) {
        return buildTree + "/lib/vestra-postgres.so";
    }
    return (program.parent_path() / VESTRA_POSTGRES_FROM_BIN).lexically_normal().string();
}

std::unique_ptr<SqlConnection> ConnectPostgres(const ServerAddress& server, HistoryAccess access) {
    std::string failure;
    ConnectFunction connect = loadModule(failure);
    if (connect == nullptr) {
        throw SqlError(RedactedDatabaseName(server.conninfo) + ": " + failure);
    }
    return std::unique_ptr<SqlConnection>(connect(server, access));
}

} // namespace vestra::history
