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

// Found beside the program in the build tree and in a Windows installation, under share/ once
// installed by prefix.
#ifndef _WIN32
const Layout kLayouts[] = {
    {"build/app", "build/app/help/index.html"},
    {"usr/bin", "usr/share/vestra/help/index.html"},
    {"opt/vestra/bin", "opt/vestra/share/vestra/help/index.html"},
};
#else
const Layout kLayouts[] = {
    {"build/app", "build/app/help/index.html"},
    {"Vestra", "Vestra/help/index.html"},
};
#endif

TEST(InstallLayoutTest, HelpIsFoundWhereEachLayoutPutsIt) {
    for (const Layout& layout : kLayouts) {
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
    const Layout& installed = kLayouts[1];
    testing::TempFolder folder("vestra-layout");
    fs::create_directories(folder.path() / installed.program);
    std::string path = HelpDocumentPath(folder.file(installed.program));
    EXPECT_EQ(fs::path(path).lexically_normal(),
              (folder.path() / installed.help).lexically_normal());
}

// A program that does not know its own place (no /proc) looks for no module and no private
// program: a relative path would be taken from the current folder, which anybody may have made.
// On Windows a path without its drive, or with a drive but no root, is relative too.
TEST(InstallLayoutTest, WithoutAnAbsoluteProgramPathNothingIsLookedFor) {
    for (const char* program : {"", "vestra-cli", "bin/vestra-cli", "./vestra", "../bin/vestra",
                                "\\Vestra\\vestra.exe", "C:vestra.exe"}) {
        EXPECT_EQ(ModulePath(program, "vestra-sqlite.so"), std::nullopt) << program;
        EXPECT_EQ(PrivateProgramPath(program, "vestra-history-record"), std::nullopt) << program;
    }
#ifndef _WIN32
    EXPECT_EQ(NotFoundWithoutProgramPlace("vestra-sqlite.so"),
              "vestra-sqlite.so が見つかりません: 実行中のプログラムの場所 (/proc/self/exe) "
              "がわかりません");
#else
    EXPECT_EQ(NotFoundWithoutProgramPlace("vestra-sqlite.dll"),
              "vestra-sqlite.dll が見つかりません: 実行中のプログラムの場所 (GetModuleFileNameW) "
              "がわかりません");
#endif
}

TEST(InstallLayoutTest, TheRunningProgramIsKnownByItsWholePath) {
    fs::path program = RunningProgram();
    EXPECT_TRUE(program.is_absolute()) << program;
    EXPECT_EQ(program.stem(), "vestra_core_tests");
    EXPECT_EQ(ProgramFolder(), program.parent_path().string());
}

#ifdef _WIN32
// Windows finds a program's libraries beside it: an installation keeps its modules and private
// programs there, never in a folder taken from the current one.
TEST(InstallLayoutTest, AnInstalledWindowsProgramKeepsEverythingBesideIt) {
    const std::string folder = "C:\\Program Files\\Vestra";
    for (const char* program : {"vestra.exe", "vestra-cli.exe", "vestra-history-record.exe"}) {
        std::string path = folder + "\\" + program;
        EXPECT_EQ(ModulePath(path, "vestra-sqlite.dll"), folder + "\\vestra-sqlite.dll");
        EXPECT_EQ(PrivateProgramPath(path, "vestra-report.exe"), folder + "\\vestra-report.exe");
    }
}
#endif

} // namespace
} // namespace vestra
