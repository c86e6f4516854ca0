#include "serial/PortLock.h"

#include "files/TempFolder.h"
#include "serial/PortOpenReason.h"

#include <filesystem>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vestra {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

TEST(PortLockTest, FileNameFollowsTheDeviceName) {
    const std::pair<std::string, std::string> cases[] = {
        {"/dev/ttyUSB0", "LCK..ttyUSB0"},
        {"/dev/ttyS0", "LCK..ttyS0"},
        {"/dev/pts/3", "LCK..pts_3"},
        {"/srv/line", "LCK.._srv_line"},
    };
    for (const auto& [device, name] : cases) {
        EXPECT_EQ(LockFileName(device), name) << device;
    }
}

TEST(PortLockTest, TheFirstUsableFolderHoldsTheLock) {
    TempFolder folder("vestra-lockdirs");
    std::string missing = folder.file("missing");
    std::string usable = folder.path().string();
    PortLock lock({missing, usable});
    EXPECT_EQ(lock.lockPath("/dev/ttyUSB0"), folder.file("LCK..ttyUSB0"));
    EXPECT_EQ(PortLock({missing}).lockPath("/dev/ttyUSB0"), "");
}

TEST(PortLockTest, HoldsAndReleases) {
    TempFolder folder("vestra-lock");
    PortLock lock({folder.path().string()});
    PortHolder holder;
    ASSERT_TRUE(lock.acquire("/dev/ttyUSB0", holder));
    std::string text = ReadBytes(folder.file("LCK..ttyUSB0"));
    EXPECT_EQ(text.substr(0, text.find('\n')), std::to_string(getpid()));

    PortLock other({folder.path().string()});
    EXPECT_FALSE(other.acquire("/dev/ttyUSB0", holder));
    EXPECT_EQ(holder.pid, getpid());
    EXPECT_EQ(holder.program, ProcessName(getpid()));

    lock.release();
    EXPECT_FALSE(std::filesystem::exists(folder.file("LCK..ttyUSB0")));
    EXPECT_TRUE(other.acquire("/dev/ttyUSB0", holder));
}

// Older programs write the PID right-aligned in ten columns; a dead PID or none is stale.
TEST(PortLockTest, StaleLocksAreTakenOverAndLiveOnesKept) {
    pid_t ended = fork();
    if (ended == 0) {
        _exit(0);
    }
    waitpid(ended, nullptr, 0);
    const std::pair<std::string, bool> cases[] = {
        {"      " + std::to_string(getpid()) + "\n", false},
        {std::to_string(getpid()) + "\nother\nhost\n", false},
        {"      " + std::to_string(ended) + "\n", true},
        {"garbage\n", true},
        {"", true},
    };
    for (const auto& [content, taken] : cases) {
        TempFolder folder("vestra-stale");
        WriteBytes(folder.file("LCK..ttyS0"), content);
        PortLock lock({folder.path().string()});
        PortHolder holder;
        EXPECT_EQ(lock.acquire("/dev/ttyS0", holder), taken) << content;
    }
}

// Another user's lock file whose process is gone, in a sticky lock folder (/var/lock, /tmp):
// this user cannot remove it, and learns which file it is and whose.
TEST(PortLockTest, AStaleLockThisUserMayNotRemoveIsNamedWithItsOwner) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "another user's lock file needs root";
    }
    TempFolder folder("vestra-sticky-locks");
    std::filesystem::permissions(folder.path(),
                                 std::filesystem::perms::all | std::filesystem::perms::sticky_bit);
    std::string file = folder.file("LCK..ttyS0");
    WriteBytes(file, "999999999\n"); // above any PID the kernel gives
    ASSERT_EQ(chown(file.c_str(), 4243, 4243), 0);
    const passwd* user = getpwuid(4243);
    std::string owner = user != nullptr ? user->pw_name : "4243";
    pid_t child = fork();
    if (child == 0) {
        PortHolder holder;
        _exit(setgroups(0, nullptr) == 0 && setresgid(4242, 4242, 4242) == 0 &&
                      setresuid(4242, 4242, 4242) == 0 &&
                      !PortLock({folder.path().string()}).acquire("/dev/ttyS0", holder) &&
                      holder.staleLock == file && holder.staleLockOwner == owner
                  ? 0
                  : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(std::filesystem::exists(file));
}

TEST(PortLockTest, AStaleLockIsExplainedWithTheWayOut) {
    PortHolder holder{0, {}, "/var/lock/LCK..ttyS0", "alice", {}};
    EXPECT_EQ(PortStaleLockReason("/dev/ttyS0", holder),
              "/dev/ttyS0 のﾛｯｸﾌｧｲﾙ /var/lock/LCK..ttyS0 (所有者 alice) が残っています。"
              "そのﾌﾟﾛｸﾞﾗﾑは終了しています。所有者か root が削除して下さい: "
              "sudo rm /var/lock/LCK..ttyS0");
}

// No serial program makes any of these at a lock path; a FIFO would block the read, a link lead
// anywhere. The lock is tried in a child that an alarm ends, so that blocking fails the test.
TEST(PortLockTest, ALockPathThatIsNoRegularFileIsRefusedAtOnceAndKept) {
    TempFolder folder("vestra-odd-lock");
    const std::pair<std::string, int (*)(const std::string&)> cases[] = {
        {"fifo", [](const std::string& path) { return ::mkfifo(path.c_str(), 0666); }},
        {"link", [](const std::string& path) { return ::symlink("elsewhere", path.c_str()); }},
        {"folder", [](const std::string& path) { return ::mkdir(path.c_str(), 0755); }},
        {"socket", [](const std::string& path) { return ::mknod(path.c_str(), S_IFSOCK, 0); }},
    };
    for (const auto& [kind, make] : cases) {
        std::string file = folder.file(LockFileName("/dev/" + kind));
        ASSERT_EQ(make(file), 0) << kind;
        pid_t child = fork();
        if (child == 0) {
            alarm(5);
            PortHolder holder;
            bool refused = !PortLock({folder.path().string()}).acquire("/dev/" + kind, holder);
            _exit(refused && holder.unusableLock == file ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_EQ(status, 0) << kind << (WIFSIGNALED(status) ? ": blocked" : ": not refused");
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::symlink_status(file))) << kind;
    }
}

TEST(PortLockTest, ALockThatIsNoFileIsNamedEscaped) {
    PortHolder holder{0, {}, {}, {}, "/run/lock/LCK..pts_0\x1b"};
    EXPECT_EQ(PortUnusableLockReason("/dev/pts/0", holder),
              "/dev/pts/0 のﾛｯｸﾌｧｲﾙ /run/lock/LCK..pts_0\\x1b は通常のﾌｧｲﾙではありません。"
              "ｼﾘｱﾙﾎﾟｰﾄのﾛｯｸﾌｧｲﾙではないので、所有者か root が確かめて削除して下さい。");
}

} // namespace
} // namespace vestra
