#include "base/UserFolders.h"

#include <gtest/gtest.h>
#ifdef _WIN32
#include "base/WindowsText.h"

#include <cstdlib>
#endif

namespace vestra {
namespace {

using Text = std::optional<std::string>;

// The XDG base-directory rule: a relative variable is ignored, a missing HOME is the passwd
// entry's home, and without any home nothing is chosen rather than a folder under "." or "/".
TEST(UserFoldersTest, OnlyAbsoluteValuesNameAFolder) {
    struct Case {
        UserEnvironment environment;
        std::optional<std::string_view> underHome;
        Text folder;
    };
    const Case cases[] = {
        {{"/x/data", "/home/k", "/home/p"}, ".local/share", "/x/data"},
        {{"data", "/home/k", "/home/p"}, ".local/share", "/home/k/.local/share"},
        {{"", "/home/k/", std::nullopt}, ".config", "/home/k/.config"},
        {{std::nullopt, std::nullopt, "/home/p"}, ".config", "/home/p/.config"},
        {{std::nullopt, "home/k", "/home/p"}, ".config", "/home/p/.config"},
        {{std::nullopt, std::nullopt, std::nullopt}, ".local/share", std::nullopt},
        {{"./data", "", "relative"}, ".local/share", std::nullopt},
        {{"/run/user/7", std::nullopt, std::nullopt}, std::nullopt, "/run/user/7"},
        {{"run/user/7", "/home/k", "/home/p"}, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseUserFolder(c.environment, c.underHome), c.folder)
            << c.environment.variable.value_or("(unset)") << " "
            << c.environment.home.value_or("(unset)");
    }
}

#ifndef _WIN32
TEST(UserFoldersTest, TheRefusalNamesTheVariableAndTheHome) {
    EXPECT_EQ(NoUserFolderText("設定ファイル", UserFolderKind::Settings),
              "設定ファイルの場所がわかりません: XDG_CONFIG_HOME も HOME も絶対パスではなく、"
              "ユーザーのホームフォルダもわかりません");
}
#else
// The settings roam with the user; the history, a database of this machine, stays local. The
// files keep the names they have under Linux.
TEST(UserFoldersTest, SettingsRoamAndTheHistoryStaysOnThisMachine) {
    struct Case {
        UserFolderKind kind;
        const wchar_t* variable; // what the system sets for the same folder
        const char* file;
        const char* expected;
    };
    const Case cases[] = {
        {UserFolderKind::Settings, L"APPDATA", "MORVA/VESTRA2/Config/VESTRA.INI",
         "\\MORVA\\VESTRA2\\Config\\VESTRA.INI"},
        {UserFolderKind::Data, L"LOCALAPPDATA", "MORVA/VESTRA2/history.sqlite",
         "\\MORVA\\VESTRA2\\history.sqlite"},
    };
    for (const Case& c : cases) {
        const wchar_t* folder = _wgetenv(c.variable);
        ASSERT_NE(folder, nullptr);
        EXPECT_EQ(UserFilePath(c.kind, c.file), Utf8Path(folder) + c.expected);
    }
    EXPECT_EQ(UserFolder(UserFolderKind::Runtime), std::nullopt);
    EXPECT_EQ(NoUserFolderText("履歴データベース", UserFolderKind::Data),
              "履歴データベースの場所がわかりません: ユーザーの AppData\\Local "
              "フォルダがわかりません");
}
#endif

} // namespace
} // namespace vestra
