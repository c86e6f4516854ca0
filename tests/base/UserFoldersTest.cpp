#include "base/UserFolders.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(NoUserFolderText("設定ファイル", "XDG_CONFIG_HOME"),
              "設定ファイルの場所がわかりません: XDG_CONFIG_HOME も HOME も絶対パスではなく、"
              "ユーザーのホームフォルダもわかりません");
}

} // namespace
} // namespace vestra
