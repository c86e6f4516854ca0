#include "base/FileFunc.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace vestra {
namespace {

namespace fs = std::filesystem;

class FileFuncTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("vestra-filefunc-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
        file_ = (folder_ / "data.qmc").string();
        std::ofstream(file_) << "x";
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
    std::string file_;
};

TEST_F(FileFuncTest, FileExistsOnlyForReadableFiles) {
    EXPECT_TRUE(FileExists(file_));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(folder_.string()));
    EXPECT_FALSE(FileExists(folder_.string() + "/"));
    EXPECT_FALSE(FileExists(folder_.string() + "/missing.qmc"));
    EXPECT_TRUE(FileExists(file_ + "/"));
}

TEST_F(FileFuncTest, FolderOfAnExistingFileKeepsItsSeparator) {
    EXPECT_EQ(FolderOf(file_), folder_.string() + "/");
    EXPECT_EQ(FolderOf(folder_.string() + "/missing.qmc"), ProgramFolder());
    EXPECT_EQ(FolderOf(""), ProgramFolder());
    EXPECT_FALSE(ProgramFolder().empty());
    EXPECT_NE(ProgramFolder().back(), '/');
}

TEST_F(FileFuncTest, RemoveFileIgnoresMissingFiles) {
    RemoveFile(file_);
    EXPECT_FALSE(FileExists(file_));
    RemoveFile(file_);
    RemoveFile("");
}

TEST(PathParts, NameAndExtension) {
    EXPECT_EQ(FileNameOf("data.qmc"), "");
    EXPECT_EQ(FileNameOf("/data/"), "");
    EXPECT_EQ(FileNameOf(""), "");
    EXPECT_EQ(FileNameOf("/data/data.qmc"), "data.qmc");
    EXPECT_EQ(ExtensionOf("/data/data.qmc"), "qmc");
    EXPECT_EQ(ExtensionOf("/data/readme"), "");
    EXPECT_EQ(ExtensionOf("/a.b/file"), "b/file");
    EXPECT_EQ(ExtensionOf(""), "");
    EXPECT_EQ(ExtensionOf("report.TXT"), "TXT");
}

} // namespace
} // namespace vestra
