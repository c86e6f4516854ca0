#include "base/UserFolders.h"

#include "base/FileFunc.h"

#include <algorithm>

namespace vestra {
namespace {

bool absolute(const std::optional<std::string>& path) {
    return path && path->starts_with('/');
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

std::optional<std::string> UserFilePath(UserFolderKind kind, std::string_view relativePath) {
    std::optional<std::string> folder = UserFolder(kind);
    if (!folder) {
        return std::nullopt;
    }
    std::string relative(relativePath);
    std::replace(relative.begin(), relative.end(), '/', kPathSeparator);
    return *folder + kPathSeparator + relative;
}

} // namespace vestra
