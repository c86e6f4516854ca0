#include "base/StartFolder.h"

#include "base/InstallLayout.h"
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
    // In the platform's separators, as the folder of a chosen file is cut at the last of them.
    std::string path(const std::string& name) const {
        return (folder_.path() / fs::path(name).make_preferred()).string();
    }

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

#ifndef _WIN32
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
#else
// The program's folder is the running program's, never the current one; the documents are the
// user's known folder. Trying whether the folder may be written leaves nothing behind.
TEST_F(StartFolderTest, TheFoldersAreTheProgramsOwnAndTheUsersDocuments) {
    fs::path current = fs::current_path();
    fs::current_path(folder_.path());
    StartFolders folders = CurrentStartFolders();
    fs::current_path(current);
    fs::path program = RunningProgram();
    EXPECT_EQ(folders.program, program.parent_path().string());
    EXPECT_TRUE(folders.programWritable); // the build tree
    EXPECT_TRUE(fs::path(folders.documents).is_absolute()) << folders.documents;
    EXPECT_TRUE(fs::is_directory(folders.documents)) << folders.documents;
    for (const fs::directory_entry& entry : fs::directory_iterator(program.parent_path())) {
        EXPECT_FALSE(entry.path().filename().string().starts_with(".vestra-write-probe"));
    }
}
#endif

} // namespace
} // namespace vestra
