#include "base/FileFault.h"
#include "files/TempFolder.h"
#include "history/FolderReading.h"
#include "history/SourceFolders.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#ifdef _WIN32
#include <windows.h>
#endif

namespace vestra::history {
namespace {

namespace fs = std::filesystem;

// A link to a folder; false where the system makes none for this user. std::filesystem makes
// none on MinGW, and Wine answers CreateSymbolicLinkW without making one.
bool linkFolder(const fs::path& target, const fs::path& link) {
#ifdef _WIN32
    CreateSymbolicLinkW(link.c_str(), target.c_str(),
                        SYMBOLIC_LINK_FLAG_DIRECTORY |
                            SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
    return fs::is_directory(link);
#else
    fs::create_directory_symlink(target, link);
    return true;
#endif
}

// Each folder of the chain holds a data file and two links to the next folder, so that a walk
// taking every path would meet the last folder's file 2^23 times.
TEST(HistorySourcesTest, AFolderReachedByManyLinksIsWalkedOnce) {
    constexpr int kFolders = 24;
    testing::TempFolder top("vestra-link-chain");
    for (int i = 0; i < kFolders; ++i) {
        std::string folder = top.file(std::to_string(i));
        fs::create_directory(folder);
        testing::WriteBytes(folder + "/round.qmc", "");
        for (const char* link : {"/a", "/b"}) {
            if (!linkFolder(top.file(std::to_string(i + 1)), folder + link)) {
                GTEST_SKIP() << "this system makes no links to folders for this user";
            }
        }
    }
    SourceList list = CollectSourceFiles({top.file("0")});
    std::set<fs::path> files;
    for (const std::string& file : list.files) {
        files.insert(fs::canonical(file));
    }
    EXPECT_EQ(list.files.size(), std::size_t{kFolders});
    EXPECT_EQ(files.size(), std::size_t{kFolders});
}

TEST(HistorySourcesTest, AFolderGivesTheDataFilesBelowItInNameOrder) {
    testing::TempFolder top("vestra-sources");
    for (const char* folder : {"b", "a/deep", "c"}) {
        fs::create_directories(top.path() / folder);
    }
    for (const char* file : {"b/2.qmc", "a/deep/3.QMF", "a/1.qmf", "c/notes.txt", "0.qmc"}) {
        testing::WriteBytes((top.path() / fs::path(file).make_preferred()).string(), "");
    }
    SourceList list = CollectSourceFiles({top.path().string()});
    std::vector<std::string> expected;
    for (const char* file : {"0.qmc", "a/1.qmf", "a/deep/3.QMF", "b/2.qmc"}) {
        expected.push_back((top.path() / fs::path(file).make_preferred()).string());
    }
    EXPECT_EQ(list.files, expected);
    EXPECT_TRUE(list.unreadable.empty());
}

// The walk knows a folder by what the system says of it, not by how its path is spelt.
TEST(HistorySourcesTest, EverySpellingOfAFolderIsOneFolder) {
    testing::TempFolder top("vestra-identity");
    fs::create_directories(top.path() / "data/old");
    std::string data = top.file("data");
    std::string reason;
    std::optional<FolderId> id = IdentifyFolder(data, reason);
    ASSERT_TRUE(id) << reason;
    std::vector<std::string> spellings = {top.file("data/old/.."), top.file("./data/")};
#ifdef _WIN32
    spellings.push_back(top.file("DATA\\OLD\\..")); // names are the same in either case
#endif
    for (const std::string& spelling : spellings) {
        EXPECT_EQ(IdentifyFolder(spelling, reason), id) << spelling;
    }
    EXPECT_NE(IdentifyFolder(top.file("data/old"), reason), id);
    EXPECT_EQ(IdentifyFolder(top.file("gone"), reason), std::nullopt);
    EXPECT_EQ(reason, FileFaultText(ENOENT));
}

} // namespace
} // namespace vestra::history
