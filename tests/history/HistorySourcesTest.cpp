#include "history/HistorySources.h"

#include "files/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace vestra::history {
namespace {

// Each folder of the chain holds a data file and two links to the next folder, so that a walk
// taking every path would meet the last folder's file 2^23 times.
TEST(HistorySourcesTest, AFolderReachedByManyLinksIsWalkedOnce) {
    constexpr int kFolders = 24;
    testing::TempFolder top("vestra-link-chain");
    for (int i = 0; i < kFolders; ++i) {
        std::string folder = top.file(std::to_string(i));
        std::filesystem::create_directory(folder);
        testing::WriteBytes(folder + "/round.qmc", "");
        for (const char* link : {"/a", "/b"}) {
            std::filesystem::create_directory_symlink(top.file(std::to_string(i + 1)),
                                                      folder + link);
        }
    }
    SourceList list = CollectSourceFiles({top.file("0")});
    std::set<std::filesystem::path> files;
    for (const std::string& file : list.files) {
        files.insert(std::filesystem::canonical(file));
    }
    EXPECT_EQ(list.files.size(), std::size_t{kFolders});
    EXPECT_EQ(files.size(), std::size_t{kFolders});
}

} // namespace
} // namespace vestra::history
