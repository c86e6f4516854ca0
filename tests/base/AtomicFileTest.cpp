#include "base/AtomicFile.h"

#include "base/TemporaryFile.h"
#include "files/TempFolder.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <tuple>
#include <unistd.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#endif

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

// The bytes land as given on every platform: no CR is added to a LF, none is taken away.
TEST_F(AtomicFileTest, ReplacesTheFileWithTheBytesAsGiven) {
    const std::string bytes("new\0bytes\r\nline\n\x1a", 20);
    ASSERT_TRUE(WriteFileAtomically(path_, bytes));
    EXPECT_EQ(contents(), bytes);
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

// The temporary's name is short and fixed, so a target may use the whole name length.
TEST_F(AtomicFileTest, TheLongestValidNameCanBeSaved) {
    std::string name(255 - 4, 'n');
    ASSERT_TRUE(WriteFileAtomically((folder_ / (name + ".csv")).string(), "x"));
    EXPECT_EQ(entries(), 2);
}

// Only a temporary of this program, this user and this host, of an ended process and old
// enough that no save can still be writing it, is removed; a user's own file is never touched.
TEST_F(AtomicFileTest, OnlyStaleTemporariesOfEndedProcessesAreRemoved) {
    const std::string ended = "999999999"; // above any process number the system gives
    std::string ours = std::string(kTemporaryPrefix) + TemporaryHostPart() + ".";
    std::string dead = ours + ended + ".aB3xYz";
    const std::tuple<std::string, bool, bool> cases[] = {
        {dead, true, true}, // name, old, removed
        {dead, false, false},
        {".vestra-backup", true, false},
        {ours + std::to_string(::getpid()) + ".aB3xYz", true, false},
        {std::string(kTemporaryPrefix) + "other." + ended + ".aB3xYz", true, false},
    };
    auto longAgo =
        fs::file_time_type::clock::now() - std::chrono::seconds(kStaleTemporarySeconds + 60);
    for (const auto& [name, old, removed] : cases) {
        std::string file = (folder_ / name).string();
        std::ofstream(file) << "left";
        if (old) {
            fs::last_write_time(file, longAgo);
        }
        ASSERT_TRUE(WriteFileAtomically(path_, "new"));
        EXPECT_EQ(fs::exists(file), !removed) << name;
        fs::remove(file);
    }
}

TEST_F(AtomicFileTest, TheReasonNamesTheCause) {
    Expected<void> written = WriteFileAtomically((folder_ / "missing" / "x.qmc").string(), "x");
    EXPECT_FALSE(written);
    EXPECT_EQ(written.error().text, "ファイルまたはフォルダがありません");
}

#ifndef _WIN32
TEST_F(AtomicFileTest, ReplacesTheFileAndKeepsItsPermissions) {
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(WriteFileAtomically(path_, "new"));
    EXPECT_EQ(fs::status(path_).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

// Windows reports a file in place of a folder as a missing path.
TEST_F(AtomicFileTest, AFileInPlaceOfAFolderIsNamed) {
    Expected<void> written = WriteFileAtomically((folder_ / "data.qmc" / "x.qmc").string(), "x");
    EXPECT_FALSE(written);
    EXPECT_EQ(written.error().text, "途中の名前がフォルダではありません");
}

// Another user's temporary is kept, whatever else holds.
TEST_F(AtomicFileTest, AnotherUsersStaleTemporaryIsKept) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "giving a file away needs root";
    }
    std::string file =
        (folder_ / (std::string(kTemporaryPrefix) + TemporaryHostPart() + ".999999999.aB3xYz"))
            .string();
    std::ofstream(file) << "left";
    ASSERT_EQ(::lchown(file.c_str(), 4242, static_cast<gid_t>(-1)), 0);
    fs::last_write_time(file, fs::file_time_type::clock::now() -
                                  std::chrono::seconds(kStaleTemporarySeconds + 60));
    ASSERT_TRUE(WriteFileAtomically(path_, "new"));
    EXPECT_TRUE(fs::exists(file));
}

// A full disk: the file size limit makes the write fail half way, as ENOSPC would.
TEST_F(AtomicFileTest, WriteFailureKeepsTheOldFileAndRemovesTheTemporary) {
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    bool written = WriteFileAtomically(path_, std::string(5000, 'x')).has_value();
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
    Expected<void> written = WriteFileAtomically((folder_ / "fifo.csv").string(), "new");
    EXPECT_FALSE(written);
    EXPECT_EQ(written.error().text, "通常のファイルではありません");
    EXPECT_TRUE(fs::is_fifo(folder_ / "fifo.csv"));
    EXPECT_FALSE(WriteFileAtomically("/dev/null", "new"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(AtomicFileTest, NewFilesFollowTheUmask) {
    mode_t old = ::umask(027);
    bool written = WriteFileAtomically((folder_ / "new.csv").string(), "x").has_value();
    ::umask(old);
    ASSERT_TRUE(written);
    EXPECT_EQ(fs::status(folder_ / "new.csv").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// A save killed while it writes (here by the file size limit's signal) leaves nothing behind.
TEST_F(AtomicFileTest, ASaveKilledWhileWritingLeavesNothing) {
    pid_t child = ::fork();
    if (child == 0) {
        rlimit small{1000, 1000}, noCore{0, 0};
        ::setrlimit(RLIMIT_FSIZE, &small);
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::_exit(WriteFileAtomically(path_, std::string(5000, 'x')) ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
    EXPECT_EQ(contents(), "old");
    EXPECT_EQ(entries(), 1);
}

// Another user's link in a sticky folder writable by all (/tmp) is followed only where the
// kernel's protected_symlinks rule would follow it.
TEST_F(AtomicFileTest, ALinkInASharedFolderIsFollowedOnlyWhereTheKernelWould) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "links of another user need root";
    }
    const fs::perms shared = fs::perms::all | fs::perms::sticky_bit;
    const std::tuple<fs::perms, uid_t, uid_t, bool> cases[] = {
        {shared, 0, 4242, false}, // folder mode, folder owner, link owner, followed
        {shared, 0, 0, true},
        {shared, 4242, 4242, true},
        {fs::perms::owner_all, 0, 4242, true},
    };
    for (const auto& [mode, folderOwner, linkOwner, followed] : cases) {
        fs::path shelf = folder_ / "shelf";
        fs::create_directory(shelf);
        fs::permissions(shelf, mode);
        ASSERT_EQ(::chown(shelf.c_str(), folderOwner, 0), 0);
        std::ofstream(path_) << "precious";
        fs::create_symlink(path_, shelf / "report.csv");
        ASSERT_EQ(::lchown((shelf / "report.csv").c_str(), linkOwner, linkOwner), 0);
        Expected<void> written = WriteFileAtomically((shelf / "report.csv").string(), "new");
        EXPECT_EQ(written.has_value(), followed);
        EXPECT_EQ(contents(), followed ? "new" : "precious");
        EXPECT_EQ(written ? "" : written.error().text,
                  followed ? "" : "共有フォルダにある他のユーザーのシンボリックリンクです");
        fs::remove_all(shelf);
    }
}

// Root saving over a user's file leaves it that user's, readable as before.
TEST_F(AtomicFileTest, TheReplacedFileKeepsItsOwnerAndGroup) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "files of another user need root";
    }
    ASSERT_EQ(::chown(path_.c_str(), 4242, 4243), 0);
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(WriteFileAtomically(path_, "new"));
    struct stat st {};
    ASSERT_EQ(::stat(path_.c_str(), &st), 0);
    EXPECT_EQ(std::tuple(st.st_uid, st.st_gid, st.st_mode & 07777),
              std::tuple(4242u, 4243u, 0640u));
}

#else
// Devices have names in every folder; a save to one is refused before anything is written.
TEST_F(AtomicFileTest, ADeviceInPlaceOfTheFileIsRefused) {
    for (const std::string device : {"NUL", "COM1", "\\\\.\\NUL"}) {
        Expected<void> written = WriteFileAtomically(device, "new");
        EXPECT_FALSE(written) << device;
        EXPECT_EQ(written.error().text, "通常のファイルではありません") << device;
    }
    EXPECT_EQ(entries(), 1);
}

// A replace would replace the link itself; Windows has no rule that tells a planted one.
TEST_F(AtomicFileTest, AReparsePointAtTheTargetIsRefused) {
    std::error_code made;
    fs::create_symlink(path_, folder_ / "link.csv", made);
    if (made) {
        GTEST_SKIP() << "no symbolic links here: " << made.message();
    }
    Expected<void> written = WriteFileAtomically((folder_ / "link.csv").string(), "new");
    EXPECT_FALSE(written);
    EXPECT_EQ(written.error().text, "シンボリックリンクまたはジャンクションです");
    EXPECT_EQ(contents(), "old");
}

// Another program holding the file open without sharing its deletion makes the replace fail.
TEST_F(AtomicFileTest, ABusyFileIsKeptAndTheTemporaryRemoved) {
    HANDLE held = CreateFileW(fs::path(path_).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Expected<void> written = WriteFileAtomically(path_, "new");
    CloseHandle(held);
    EXPECT_FALSE(written);
    EXPECT_EQ(written.error().text, "使用中です");
    EXPECT_EQ(contents(), "old");
    // Counted by name: Wine's ReplaceFileW leaves a file of its own (rf*.tmp) beside.
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_)) {
        EXPECT_FALSE(entry.path().filename().string().starts_with(kTemporaryPrefix));
    }
}
#endif

} // namespace
} // namespace vestra
