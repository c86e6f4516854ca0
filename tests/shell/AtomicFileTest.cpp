#include "shell/AtomicFile.h"

#include "files/TempFolder.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/resource.h>
#include <sys/stat.h>
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

// A settings file kept in a dotfiles folder and linked into place stays a link.
TEST_F(AtomicFileTest, ALinkKeepsPointingAtItsReplacedTarget) {
    fs::create_directory(folder_ / "dotfiles");
    std::string target = (folder_ / "dotfiles" / "VESTRA.INI").string();
    std::ofstream(target) << "old";
    fs::create_symlink("dotfiles/VESTRA.INI", folder_ / "link.ini");
    fs::create_symlink(folder_ / "dotfiles" / "new.ini", folder_ / "dangling.ini");
    ASSERT_TRUE(WriteFileAtomically((folder_ / "link.ini").string(), "new"));
    ASSERT_TRUE(WriteFileAtomically((folder_ / "dangling.ini").string(), "created"));
    EXPECT_TRUE(fs::is_symlink(folder_ / "link.ini"));
    EXPECT_EQ(testing::ReadBytes(target), "new");
    EXPECT_TRUE(fs::is_symlink(folder_ / "dangling.ini"));
    EXPECT_EQ(testing::ReadBytes((folder_ / "dotfiles" / "new.ini").string()), "created");
}

TEST_F(AtomicFileTest, ADeviceOrFifoInPlaceOfTheFileIsRefused) {
    ASSERT_EQ(::mkfifo((folder_ / "fifo.csv").c_str(), 0600), 0);
    std::string reason;
    EXPECT_FALSE(WriteFileAtomically((folder_ / "fifo.csv").string(), "new", reason));
    EXPECT_EQ(reason, "通常のファイルではありません");
    EXPECT_TRUE(fs::is_fifo(folder_ / "fifo.csv"));
    EXPECT_FALSE(WriteFileAtomically("/dev/null", "new", reason));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(AtomicFileTest, NewFilesFollowTheUmask) {
    mode_t old = ::umask(027);
    bool written = WriteFileAtomically((folder_ / "new.csv").string(), "x");
    ::umask(old);
    ASSERT_TRUE(written);
    EXPECT_EQ(fs::status(folder_ / "new.csv").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// The temporary's name is short and fixed, so a target may use the whole name length.
TEST_F(AtomicFileTest, TheLongestValidNameCanBeSaved) {
    std::string name(255 - 4, 'n');
    ASSERT_TRUE(WriteFileAtomically((folder_ / (name + ".csv")).string(), "x"));
    EXPECT_EQ(entries(), 2);
}

// A killed save leaves its temporary; the next save into the folder removes it once it is
// old enough that no save can still be writing it.
TEST_F(AtomicFileTest, StaleTemporariesAreRemovedAndFreshOnesKept) {
    std::string stale = (folder_ / ".vestra-abcdef").string();
    std::string fresh = (folder_ / ".vestra-ghijkl").string();
    std::string foreign = (folder_ / ".vestra-notours.txt").string();
    for (const std::string& name : {stale, fresh, foreign}) {
        std::ofstream(name) << "left";
    }
    auto old = fs::file_time_type::clock::now() - std::chrono::seconds(kStaleTemporarySeconds + 60);
    fs::last_write_time(stale, old);
    fs::last_write_time(foreign, old);
    ASSERT_TRUE(WriteFileAtomically(path_, "new"));
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(fresh));
    EXPECT_TRUE(fs::exists(foreign));
}

TEST_F(AtomicFileTest, TheReasonNamesTheCause) {
    std::string reason;
    EXPECT_FALSE(WriteFileAtomically((folder_ / "missing" / "x.qmc").string(), "x", reason));
    EXPECT_EQ(reason, "ファイルまたはフォルダがありません");
    EXPECT_FALSE(WriteFileAtomically((folder_ / "data.qmc" / "x.qmc").string(), "x", reason));
    EXPECT_EQ(reason, "途中の名前がフォルダではありません");
}

} // namespace
} // namespace vestra
