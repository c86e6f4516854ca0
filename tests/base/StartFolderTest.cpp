#include "base/StartFolder.h"

#include "files/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace vestra {
namespace {

namespace fs = std::filesystem;

class StartFolderTest : public ::testing::Test {
protected:
    StartFolderTest() {
        for (const char* name : {"bin", "docs", "data", "home/Documents", "home/Papers"}) {
            fs::create_directories(folder_.path() / name);
        }
        testing::WriteBytes(path("data/plant.qmc"), "x");
    }
    std::string path(const std::string& name) const { return folder_.file(name); }

    testing::TempFolder folder_{"vestra-startfolder"};
};

struct FolderCase {
    const char* lastFile; // under the test folder; empty: none chosen yet
    bool programWritable;
    const char* expected; // under the test folder, or "" for the program's folder
};

TEST_F(StartFolderTest, DialogsStartWhereTheUserCanWorkOnlyWhenTheProgramFolderIsClosed) {
    const FolderCase cases[] = {
        {"data/plant.qmc", true, "data/"},
        {"data/plant.qmc", false, "data/"},
        {"data/gone.qmc", true, "bin"},
        {"data/gone.qmc", false, "data/"},
        {"nowhere/gone.qmc", false, "docs"},
        {"", true, "bin"},
        {"", false, "docs"},
    };
    for (const FolderCase& c : cases) {
        StartFolders folders{path("bin"), c.programWritable, path("docs")};
        std::string last = *c.lastFile != '\0' ? path(c.lastFile) : std::string();
        EXPECT_EQ(DialogStartFolder(last, folders), path(c.expected))
            << c.lastFile << (c.programWritable ? " writable" : " closed");
    }
}

struct DocumentsCase {
    std::optional<std::string> userDirs; // contents of user-dirs.dirs; none: no such file
    const char* expected;                // under home
};

TEST_F(StartFolderTest, DocumentsFolderFollowsTheUserDirectories) {
    const std::string home = path("home");
    const DocumentsCase cases[] = {
        {"# written by xdg-user-dirs-update\nXDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n", "Papers"},
        {"XDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_DOCUMENTS_DIR=\"" + home + "/Papers\"\n",
         "Papers"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/Missing\"\n", "Documents"},
        {"XDG_DOCUMENTS_DIR=\"relative/Papers\"\n", "Documents"},
        {std::nullopt, "Documents"},
    };
    for (const DocumentsCase& c : cases) {
        testing::TempFolder config("vestra-userdirs");
        if (c.userDirs) {
            testing::WriteBytes(config.file("user-dirs.dirs"), *c.userDirs);
        }
        EXPECT_EQ(DocumentsFolder(config.path().string(), home), home + "/" + c.expected)
            << c.userDirs.value_or("no file");
    }
    fs::remove(folder_.path() / "home/Documents");
    EXPECT_EQ(DocumentsFolder(path("no-config"), home), home);
}

} // namespace
} // namespace vestra
