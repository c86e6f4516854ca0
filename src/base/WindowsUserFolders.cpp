#include "base/UserFolders.h"
#include "base/WindowsKnownFolder.h"

namespace vestra {
namespace {

// The roaming folder follows the user between the machines of a domain, as settings should; the
// history is a database of this machine (SQLite's locks need a local disk), so it stays local.
struct KnownFolder {
    const KNOWNFOLDERID* id;
    const char* name; // as the user sees it in the profile
};

std::optional<KnownFolder> knownFolder(UserFolderKind kind) {
    switch (kind) {
    case UserFolderKind::Settings:
        return KnownFolder{&FOLDERID_RoamingAppData, "AppData\\Roaming"};
    case UserFolderKind::Data:
        return KnownFolder{&FOLDERID_LocalAppData, "AppData\\Local"};
    case UserFolderKind::Runtime:
        break; // Windows has no such folder
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> UserFolder(UserFolderKind kind) {
    std::optional<KnownFolder> folder = knownFolder(kind);
    return folder ? KnownFolderPath(*folder->id) : std::nullopt;
}

std::string NoUserFolderText(std::string_view what, UserFolderKind kind) {
    std::optional<KnownFolder> folder = knownFolder(kind);
    return std::string(what) + "の場所がわかりません: ユーザーの " +
           (folder ? folder->name : "AppData") + " フォルダがわかりません";
}

} // namespace vestra
