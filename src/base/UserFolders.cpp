#include "base/UserFolders.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace vestra {
namespace {

bool absolute(const std::optional<std::string>& path) {
    return path && path->starts_with('/');
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

std::optional<std::string> ChooseUserFolder(const UserEnvironment& environment,
                                            std::optional<std::string_view> underHome) {
    if (absolute(environment.variable)) {
        return environment.variable;
    }
    if (!underHome) {
        return std::nullopt;
    }
    for (const std::optional<std::string>& home : {environment.home, environment.passwdHome}) {
        if (absolute(home)) {
            return (home->ends_with('/') ? *home : *home + "/") + std::string(*underHome);
        }
    }
    return std::nullopt;
}

std::optional<std::string> UserFolder(const char* variable,
                                      std::optional<std::string_view> underHome) {
    UserEnvironment found{environment(variable), environment("HOME"), std::nullopt};
    if (!absolute(found.variable) && underHome && !absolute(found.home)) {
        found.passwdHome = passwdHome();
    }
    return ChooseUserFolder(found, underHome);
}

std::string NoUserFolderText(std::string_view what, std::string_view variable) {
    return std::string(what) + "の場所がわかりません: " + std::string(variable) +
           " も HOME も絶対パスではなく、ユーザーのホームフォルダもわかりません";
}

} // namespace vestra
