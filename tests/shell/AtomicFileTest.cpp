#include "shell/AtomicFile.h"

#include "files/TempFolder.h"
#include "shell/TemporaryFile.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
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

// Only temporaries this program left on this host, of a process that is gone, old enough that
// no save can still be writing them, and of this user, are removed; a user's own file with a
// similar name is never touched.
TEST_F(AtomicFileTest, OnlyStaleTemporariesOfEndedProcessesAreRemoved) {
    pid_t ended = ::fork();
    if (ended == 0) {
        ::_exit(0);
    }
    ::waitpid(ended, nullptr, 0);
    std::string host = TemporaryHostPart();
    auto ours = [&](const std::string& hostPart, pid_t pid, const std::string& suffix) {
        return std::string(kTemporaryPrefix) + hostPart + "." + std::to_string(pid) + "." + suffix;
    };
    struct Case {
        std::string name;
        bool old;
        uid_t owner;
        bool removed;
    };
    uid_t me = ::geteuid();
    const Case cases[] = {
        {ours(host, ended, "aB3xYz"), true, me, true},
        {".vestra-backup", true, me, false},
        {".vestra-abcdef", true, me, false},
        {ours(host, ended, "aB3xY"), true, me, false},
        {ours(host, ended, "aB3xYz"), false, me, false},
        {ours(host, ::getpid(), "aB3xYz"), true, me, false},
        {ours("other-" + host, ended, "aB3xYz"), true, me, false},
        {ours(host, ended, "aB3xYz"), true, 4242, false},
    };
    auto old = fs::file_time_type::clock::now() - std::chrono::seconds(kStaleTemporarySeconds + 60);
    for (const Case& c : cases) {
        if (c.owner != me && me != 0) {
            continue; // giving a file away needs root
        }
        std::string file = (folder_ / c.name).string();
        std::ofstream(file) << "left";
        ASSERT_EQ(::lchown(file.c_str(), c.owner, static_cast<gid_t>(-1)), 0);
        if (c.old) {
            fs::last_write_time(file, old);
        }
        ASSERT_TRUE(WriteFileAtomically(path_, "new"));
        EXPECT_EQ(fs::exists(file), !c.removed) << c.name;
        fs::remove(file);
    }
}

// A save killed while it writes (here by the file size limit's signal) leaves nothing behind.
TEST_F(AtomicFileTest, ASaveKilledWhileWritingLeavesNothing) {
    pid_t child = ::fork();
    if (child == 0) {
        rlimit small{1000, 1000};
        rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_FSIZE, &small);
        ::setrlimit(RLIMIT_CORE, &noCore);
        WriteFileAtomically(path_, std::string(5000, 'x'));
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
    EXPECT_EQ(contents(), "old");
    EXPECT_EQ(entries(), 1);
}

bool IsRoot() {
    return ::geteuid() == 0;
}

// Another user's link in a sticky folder writable by all (/tmp) is followed only where the
// kernel's protected_symlinks rule would follow it.
TEST_F(AtomicFileTest, ALinkInASharedFolderIsFollowedOnlyWhereTheKernelWould) {
    if (!IsRoot()) {
        GTEST_SKIP() << "links of another user need root";
    }
    struct Case {
        fs::perms folderMode;
        uid_t folderOwner;
        uid_t linkOwner;
        bool followed;
    };
    const fs::perms shared = fs::perms::all | fs::perms::sticky_bit;
    const fs::perms plain = fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read;
    const Case cases[] = {
        {shared, 0, 4242, false},
        {shared, 0, 0, true},
        {shared, 4242, 4242, true},
        {plain, 0, 4242, true},
    };
    for (const Case& c : cases) {
        fs::path shelf = folder_ / "shelf";
        fs::create_directory(shelf);
        fs::permissions(shelf, c.folderMode);
        ASSERT_EQ(::chown(shelf.c_str(), c.folderOwner, 0), 0);
        std::ofstream(path_) << "precious";
        fs::path link = shelf / "report.csv";
        fs::create_symlink(path_, link);
        ASSERT_EQ(::lchown(link.c_str(), c.linkOwner, c.linkOwner), 0);
        std::string reason;
        EXPECT_EQ(WriteFileAtomically(link.string(), "new", reason), c.followed);
        EXPECT_EQ(contents(), c.followed ? "new" : "precious");
        EXPECT_TRUE(fs::is_symlink(link));
        if (!c.followed) {
            EXPECT_EQ(reason, "共有フォルダにある他のユーザーのシンボリックリンクです");
        }
        fs::remove_all(shelf);
    }
}

// Root saving over a user's file leaves it that user's, readable as before.
TEST_F(AtomicFileTest, TheReplacedFileKeepsItsOwnerAndGroup) {
    if (!IsRoot()) {
        GTEST_SKIP() << "files of another user need root";
    }
    ASSERT_EQ(::chown(path_.c_str(), 4242, 4243), 0);
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(WriteFileAtomically(path_, "new"));
    struct stat st {};
    ASSERT_EQ(::stat(path_.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 4242u);
    EXPECT_EQ(st.st_gid, 4243u);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// A user may not give the file a group it is not in: the save goes on with what is allowed.
TEST_F(AtomicFileTest, AGroupTheUserMayNotGiveDoesNotStopTheSave) {
    if (!IsRoot()) {
        GTEST_SKIP() << "another user needs root";
    }
    ASSERT_EQ(::chown(folder_.c_str(), 4242, 4242), 0);
    ASSERT_EQ(::chown(path_.c_str(), 4242, 0), 0);
    pid_t child = ::fork();
    if (child == 0) {
        bool saved = ::setgroups(0, nullptr) == 0 && ::setresgid(4242, 4242, 4242) == 0 &&
                     ::setresuid(4242, 4242, 4242) == 0 && WriteFileAtomically(path_, "new");
        ::_exit(saved ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(contents(), "new");
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
