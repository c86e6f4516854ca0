#include "base/InstallLayout.h"

#include "base/FileFunc.h"
#include "files/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vestra {
namespace {

namespace fs = std::filesystem;

struct Layout {
    const char* program; // the program's folder under the test folder
    const char* help;    // where the help document lies under the test folder
};

// Found beside the program in the build tree, under share/ once installed by prefix.
TEST(InstallLayoutTest, HelpIsFoundWhereEachLayoutPutsIt) {
    const Layout layouts[] = {
        {"build/app", "build/app/help/index.html"},
        {"usr/bin", "usr/share/vestra/help/index.html"},
        {"opt/vestra/bin", "opt/vestra/share/vestra/help/index.html"},
    };
    for (const Layout& layout : layouts) {
        testing::TempFolder folder("vestra-layout");
        fs::create_directories(folder.path() / layout.program);
        fs::create_directories((folder.path() / layout.help).parent_path());
        testing::WriteBytes(folder.file(layout.help), "<html></html>");
        std::string found = HelpDocumentPath(folder.file(layout.program));
        EXPECT_TRUE(FileExists(found)) << layout.help << ": " << found;
        EXPECT_TRUE(fs::equivalent(found, folder.file(layout.help))) << layout.help;
    }
}

TEST(InstallLayoutTest, WithoutAnyDocumentThePathNamesTheInstalledOne) {
    testing::TempFolder folder("vestra-layout");
    fs::create_directories(folder.path() / "usr/bin");
    std::string path = HelpDocumentPath(folder.file("usr/bin"));
    EXPECT_EQ(fs::path(path).lexically_normal(),
              (folder.path() / "usr/share/vestra/help/index.html").lexically_normal());
}

// A program that does not know its own place (no /proc) looks for no module and no private
// program: a relative path would be taken from the current folder, which anybody may have made.
TEST(InstallLayoutTest, WithoutAnAbsoluteProgramPathNothingIsLookedFor) {
    for (const char* program : {"", "vestra-cli", "bin/vestra-cli", "./vestra", "../bin/vestra"}) {
        EXPECT_EQ(ModulePath(program, "vestra-sqlite.so"), std::nullopt) << program;
        EXPECT_EQ(PrivateProgramPath(program, "vestra-history-record"), std::nullopt) << program;
    }
    EXPECT_EQ(NotFoundWithoutProgramPlace("vestra-sqlite.so"),
              "vestra-sqlite.so が見つかりません: 実行中のプログラムの場所 (/proc/self/exe) "
              "がわかりません");
}

} // namespace
} // namespace vestra
