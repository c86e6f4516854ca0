#include "base/FileFunc.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace vestra {
namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
constexpr const char* kExecutableSuffix = ".exe";
#else
constexpr const char* kExecutableSuffix = "";
#endif

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
    const std::string folder = folder_.string() + kPathSeparator;
    EXPECT_TRUE(FileExists(file_));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(folder_.string()));
    EXPECT_FALSE(FileExists(folder));
    EXPECT_FALSE(FileExists(folder + "missing.qmc"));
    EXPECT_TRUE(FileExists(file_ + kPathSeparator));
}

TEST_F(FileFuncTest, FolderOfAnExistingFileKeepsItsSeparator) {
    const std::string folder = folder_.string() + kPathSeparator;
    EXPECT_EQ(FolderOf(folder + "data.qmc"), folder);
    EXPECT_EQ(FolderOf(folder + "missing.qmc"), ProgramFolder());
    EXPECT_EQ(FolderOf(""), ProgramFolder());
}

// The program's own folder, wherever it is started from.
TEST_F(FileFuncTest, TheProgramFolderIsTheProgramsNotTheCurrentOne) {
    fs::path started = fs::current_path();
    fs::current_path(folder_);
    std::string program = ProgramFolder();
    fs::current_path(started);
    EXPECT_TRUE(fs::exists(fs::path(program) / "vestra_core_tests" += kExecutableSuffix))
        << program;
    EXPECT_NE(program.back(), kPathSeparator);
}

TEST_F(FileFuncTest, RemoveFileIgnoresMissingFiles) {
    RemoveFile(file_);
    EXPECT_FALSE(FileExists(file_));
    RemoveFile(file_);
    RemoveFile("");
}

TEST(PathParts, NameAndExtension) {
    const std::string data = std::string(1, kPathSeparator) + "data" + kPathSeparator;
    EXPECT_EQ(FileNameOf("data.qmc"), "");
    EXPECT_EQ(FileNameOf(data), "");
    EXPECT_EQ(FileNameOf(""), "");
    EXPECT_EQ(FileNameOf(data + "data.qmc"), "data.qmc");
    EXPECT_EQ(ExtensionOf("/data/data.qmc"), "qmc");
    EXPECT_EQ(ExtensionOf("/data/readme"), "");
    EXPECT_EQ(ExtensionOf("/a.b/file"), "b/file");
    EXPECT_EQ(ExtensionOf(""), "");
    EXPECT_EQ(ExtensionOf("report.TXT"), "TXT");
}

#ifdef _WIN32
// Windows takes '/' as a separator too, also mixed with its own.
TEST(PathParts, SlashesSeparateOnWindowsToo) {
    EXPECT_EQ(FileNameOf("C:/data/data.qmc"), "data.qmc");
    EXPECT_EQ(FileNameOf("C:\\data/sub\\report.csv"), "report.csv");
    EXPECT_EQ(FileNameOf("C:\\data/sub/"), "");
}
#endif

} // namespace
} // namespace vestra
