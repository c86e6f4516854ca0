#include "base/UserFolders.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace vestra {
namespace {

// The variable of the XDG base-directory rule for each kind, and the default under the home.
struct XdgFolder {
    const char* variable;
    std::optional<std::string_view> underHome;
};

XdgFolder xdgFolder(UserFolderKind kind) {
    switch (kind) {
    case UserFolderKind::Settings:
        return {"XDG_CONFIG_HOME", ".config"};
    case UserFolderKind::Data:
        return {"XDG_DATA_HOME", ".local/share"};
    case UserFolderKind::Runtime:
        break;
    }
    return {"XDG_RUNTIME_DIR", std::nullopt};
}

std::optional<std::string> environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

// The home folder of the process's user in the passwd database (files, LDAP, ...).
std::optional<std::string> passwdHome() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? std::size_t(size) : 16'384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_dir == nullptr) {
        return std::nullopt;
    }
    return std::string(found->pw_dir);
}

} // namespace

std::optional<std::string> UserFolder(UserFolderKind kind) {
    XdgFolder folder = xdgFolder(kind);
    UserEnvironment found{environment(folder.variable), environment("HOME"), std::nullopt};
    std::optional<std::string> chosen = ChooseUserFolder(found, folder.underHome);
    if (!chosen && folder.underHome) { // the passwd entry is asked only when it decides
        found.passwdHome = passwdHome();
        chosen = ChooseUserFolder(found, folder.underHome);
    }
    return chosen;
}

std::string NoUserFolderText(std::string_view what, UserFolderKind kind) {
    return std::string(what) + "の場所がわかりません: " + xdgFolder(kind).variable +
           " も HOME も絶対パスではなく、ユーザーのホームフォルダもわかりません";
}

} // namespace vestra
