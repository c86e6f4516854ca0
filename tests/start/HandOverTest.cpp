#include "start/HandOver.h"

#include "files/TempFolder.h"

#include <filesystem>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>

namespace vestra {
namespace {

namespace fs = std::filesystem;
using Progress = HandOverConnection::Progress;

constexpr uid_t kOtherUser = 4242;

// Starts work in a child process as the user and group kOtherUser.
pid_t startAsAnotherUser(const std::function<int()>& work) {
    pid_t child = ::fork();
    if (child == 0) {
        bool dropped =
            ::setgroups(0, nullptr) == 0 && ::setgid(kOtherUser) == 0 && ::setuid(kOtherUser) == 0;
        ::_exit(dropped ? work() : 99);
    }
    return child;
}

int exitStatusOf(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Pieces {
    std::vector<std::string> sent; // each sent alone, then read
    bool closedAfter;
    std::vector<Progress> progress;
    std::string file;
};

TEST(HandOverTest, ALineIsGatheredUntilItsEndAndNoFurther) {
    const Pieces cases[] = {
        {{"/data/pu", "mp.qmc\n"}, false, {Progress::Waiting, Progress::Whole}, "/data/pump.qmc"},
        {{"\n"}, false, {Progress::Whole}, ""},
        {{"/data/pump.qmc"}, true, {Progress::Broken}, ""},
        {{std::string(4096, 'x'), "\n"},
         false,
         {Progress::Waiting, Progress::Whole},
         std::string(4096, 'x')},
        {{std::string(4097, 'x')}, false, {Progress::Broken}, ""},
    };
    for (const Pieces& c : cases) {
        int ends[2];
        ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0, ends), 0);
        HandOverConnection connection(ends[0]);
        for (std::size_t i = 0; i < c.sent.size(); ++i) {
            ASSERT_EQ(::write(ends[1], c.sent[i].data(), c.sent[i].size()),
                      ssize_t(c.sent[i].size()));
            if (c.closedAfter && i + 1 == c.sent.size()) {
                ::close(ends[1]);
            }
            EXPECT_EQ(connection.readAvailable(), c.progress[i]) << c.sent[0].substr(0, 20);
        }
        if (c.progress.back() == Progress::Whole) {
            EXPECT_EQ(connection.file(), c.file);
        }
        if (!c.closedAfter) {
            ::close(ends[1]);
        }
    }
}

TEST(HandOverTest, OnlyTheNewestFileWaitsAndNoFileReplacesNone) {
    const std::pair<std::vector<std::string>, std::optional<std::string>> cases[] = {
        {{}, std::nullopt},
        {{""}, ""},
        {{"/a.qmc", "/b.qmc", "/c.qmc"}, "/c.qmc"},
        {{"/a.qmc", ""}, "/a.qmc"},
        {{"", "/a.qmc"}, "/a.qmc"},
    };
    for (const auto& [offered, taken] : cases) {
        HandOverQueue queue;
        for (const std::string& file : offered) {
            queue.offer(file);
        }
        EXPECT_EQ(queue.next(), taken);
        EXPECT_EQ(queue.next(), std::nullopt);
    }
}

TEST(HandOverTest, OnlyAPrivateRuntimeFolderHoldsTheSocketOfALongPath) {
    testing::TempFolder folder("HandOverTest");
    const std::string lock = folder.file(std::string(120, 'l') + "/VESTRA.INI.lock");
    const std::string runtime = folder.file("runtime");
    const std::pair<fs::perms, bool> cases[] = {
        {fs::perms::owner_all, true},
        {fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec, true},
        {fs::perms::owner_all | fs::perms::group_all, false},
        {fs::perms::all | fs::perms::sticky_bit, false},
    };
    fs::create_directory(runtime);
    for (auto [mode, taken] : cases) {
        fs::permissions(runtime, mode);
        HandOverPlace place = HandOverPlaceFor(lock, runtime);
        EXPECT_EQ(place.socketPath.starts_with(runtime + "/vestra-"), taken);
        EXPECT_EQ(place.fault.has_value(), !taken);
    }
    EXPECT_EQ(HandOverPlaceFor(lock, "").fault->cause, HandOverFaultCause::NameTooLong);
    EXPECT_EQ(HandOverPlaceFor(folder.file("VESTRA.INI.lock"), runtime).socketPath,
              folder.file("VESTRA.INI.sock"));
    if (::geteuid() == 0) {
        fs::permissions(runtime, fs::perms::owner_all);
        ASSERT_EQ(::chown(runtime.c_str(), kOtherUser, kOtherUser), 0);
        EXPECT_EQ(HandOverPlaceFor(lock, runtime).fault->cause, HandOverFaultCause::SharedFolder);
    }
}

TEST(HandOverTest, EachFaultNamesItsPlaceAndReason) {
    const std::pair<HandOverFault, std::string> cases[] = {
        {{HandOverFaultCause::NameTooLong, "/c/VESTRA.INI.sock"},
         "/c/VESTRA.INI.sock: 名前が長すぎます"},
        {{HandOverFaultCause::SharedFolder, "/tmp\t"},
         "/tmp\\t: 他のユーザーも書き込めるフォルダです"},
        {{HandOverFaultCause::SocketNotMade, "/c/VESTRA.INI.sock", EADDRINUSE},
         "/c/VESTRA.INI.sock: 他のプロセスが使っています"},
        {{HandOverFaultCause::SocketNotMade, "/c/VESTRA.INI.sock", EACCES},
         "/c/VESTRA.INI.sock: アクセス権がありません"},
    };
    for (const auto& [fault, line] : cases) {
        EXPECT_EQ(HandOverFaultMessage(fault),
                  "ﾌｧｲﾙの受け渡し用ｿｹｯﾄを作れません。\r\n" + line +
                      "\r\n後から起動してもﾌｧｲﾙはこのｳｨﾝﾄﾞｳに渡されません。");
    }
}

// Another user who took the socket's name first learns no path, and one who connects to this
// user's socket hands nothing over.
TEST(HandOverTest, NeitherSideTalksToAProcessOfAnotherUser) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs a second user, which needs root";
    }
    testing::TempFolder folder("HandOverTest");
    fs::permissions(folder.path(), fs::perms::owner_all | fs::perms::others_exec);
    const std::string shelf = folder.file("shelf"), socket = shelf + "/VESTRA.INI.sock";
    fs::create_directory(shelf);
    ASSERT_EQ(::chown(shelf.c_str(), kOtherUser, kOtherUser), 0);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    // Listens where the name was free, answers "ok" to any line; exits with the line's length.
    pid_t foreign = startAsAnotherUser([&] {
        HandOverListener listener(socket);
        pollfd waiting{listener.descriptor(), POLLIN, 0};
        if (::write(ready[1], "r", 1) != 1 || ::poll(&waiting, 1, 2000) != 1) {
            return 99;
        }
        HandOverConnection peer(::accept4(listener.descriptor(), nullptr, nullptr, SOCK_NONBLOCK));
        pollfd line{peer.descriptor(), POLLIN, 0};
        if (::poll(&line, 1, 2000) == 1 && peer.readAvailable() == Progress::Whole) {
            peer.answer();
        }
        return static_cast<int>(peer.file().size());
    });
    char byte;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    EXPECT_FALSE(SendHandOver(socket, "/home/me/secret.qmc", 2000));
    EXPECT_EQ(exitStatusOf(foreign), 0);

    const std::string mine = folder.file("VESTRA.INI.sock");
    HandOverListener listener(mine);
    fs::permissions(mine, fs::perms::all);
    pid_t intruder = startAsAnotherUser([&] {
        int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{AF_UNIX, {}};
        mine.copy(address.sun_path, sizeof address.sun_path - 1);
        bool sent = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                    ::write(fd, "/home/other/planted.qmc\n", 24) == 24;
        return sent ? 0 : 1;
    });
    ASSERT_EQ(exitStatusOf(intruder), 0);
    pollfd waiting{listener.descriptor(), POLLIN, 0};
    ASSERT_EQ(::poll(&waiting, 1, 0), 1);
    EXPECT_EQ(listener.accept(), nullptr);
}

} // namespace
} // namespace vestra
