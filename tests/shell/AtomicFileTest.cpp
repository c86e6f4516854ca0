#include "shell/AtomicFile.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/resource.h>
#include <unistd.h>

namespace vestra {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("vestra-atomic-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        path_ = (folder_ / "data.qmc").string();
        std::ofstream(path_, std::ios::binary) << "old";
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string contents() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    int entries() const {
        auto it = fs::directory_iterator(folder_);
        return static_cast<int>(std::distance(it, fs::directory_iterator()));
    }

    fs::path folder_;
    std::string path_;
};

TEST_F(AtomicFileTest, ReplacesTheFileAndKeepsItsPermissions) {
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(WriteFileAtomically(path_, std::string("new\0bytes", 9)));
    EXPECT_EQ(contents(), std::string("new\0bytes", 9));
    EXPECT_EQ(fs::status(path_).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(entries(), 1);
}

TEST_F(AtomicFileTest, MissingFolderFailsWithoutTouchingAnything) {
    EXPECT_FALSE(WriteFileAtomically((folder_ / "missing" / "x.qmc").string(), "new"));
    // A regular file as parent folder stops even the superuser.
    EXPECT_FALSE(WriteFileAtomically(path_ + "/x.qmc", "new"));
    EXPECT_EQ(contents(), "old");
    EXPECT_EQ(entries(), 1);
}

TEST_F(AtomicFileTest, FolderInPlaceOfTheFileIsNotReplaced) {
    fs::create_directory(folder_ / "dir.qmc");
    EXPECT_FALSE(WriteFileAtomically((folder_ / "dir.qmc").string(), "new"));
    EXPECT_TRUE(fs::is_directory(folder_ / "dir.qmc"));
    EXPECT_EQ(entries(), 2);
}

// A full disk: the file size limit makes the write fail half way, as ENOSPC would.
TEST_F(AtomicFileTest, WriteFailureKeepsTheOldFileAndRemovesTheTemporary) {
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    bool written = WriteFileAtomically(path_, std::string(5000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(written);
    EXPECT_EQ(contents(), "old");
    EXPECT_EQ(entries(), 1);
}

TEST_F(AtomicFileTest, ReadFilePrefixStopsAtTheLimit) {
    std::string bytes;
    ASSERT_TRUE(ReadFilePrefix(path_, 2, bytes));
    EXPECT_EQ(bytes, "ol");
    ASSERT_TRUE(ReadFilePrefix(path_, 100, bytes));
    EXPECT_EQ(bytes, "old");
    EXPECT_FALSE(ReadFilePrefix((folder_ / "missing").string(), 100, bytes));
}

// Larger files arrive in several reads; the limit may fall inside any of them.
TEST_F(AtomicFileTest, ReadFilePrefixReadsLongFilesWhole) {
    std::string big;
    for (int i = 0; i < 50000; ++i) {
        big += static_cast<char>('a' + i % 26);
    }
    std::ofstream(path_, std::ios::binary) << big;
    std::string bytes;
    ASSERT_TRUE(ReadFilePrefix(path_, 1 << 20, bytes));
    EXPECT_EQ(bytes, big);
    ASSERT_TRUE(ReadFilePrefix(path_, 20000, bytes));
    EXPECT_EQ(bytes, big.substr(0, 20000));
}

} // namespace
} // namespace vestra
