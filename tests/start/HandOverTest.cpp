#include "start/HandOver.h"

#include "files/TempFolder.h"

#include <filesystem>
#include <grp.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>

namespace vestra {
namespace {

namespace fs = std::filesystem;
using Progress = HandOverConnection::Progress;

// Each piece is read before the next is sent: all but the last leave the line Waiting. An empty
// piece: the later start shuts its end.
TEST(HandOverTest, ALineIsGatheredUntilItsEndAndNoFurther) {
    const std::pair<std::vector<std::string>, Progress> cases[] = {
        {{"/data/pu", "mp.qmc\n"}, Progress::Whole},
        {{"/data/pump.qmc", ""}, Progress::Broken},
        {{std::string(4096, 'x'), "\n"}, Progress::Whole},
        {{std::string(4097, 'x')}, Progress::Broken},
    };
    for (const auto& [pieces, last] : cases) {
        int ends[2];
        ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0, ends), 0);
        HandOverConnection connection(ends[0]);
        for (const std::string& piece : pieces) {
            ASSERT_EQ(piece.empty() ? ::shutdown(ends[1], SHUT_WR)
                                    : ::write(ends[1], piece.data(), piece.size()),
                      ssize_t(piece.size()));
            EXPECT_EQ(connection.readAvailable(),
                      &piece == &pieces.back() ? last : Progress::Waiting);
        }
        ::close(ends[1]);
        if (last == Progress::Whole) {
            EXPECT_EQ(connection.file() + "\n", pieces[0] + pieces[1]);
        }
    }
}

TEST(HandOverTest, NoSocketInAFolderOthersMayWriteInNorWhereTheBindFails) {
    testing::TempFolder folder("HandOverTest");
    const std::string lock = folder.file(std::string(120, 'l') + "/V.lock"),
                      runtime = folder.file("run");
    fs::create_directory(runtime);
    for (auto [mode, taken] :
         {std::pair{0770, false}, {01777, false}, {0711, true}, {0700, true}}) {
        fs::permissions(runtime, fs::perms(mode));
        HandOverPlace place = HandOverPlaceFor(lock, runtime);
        EXPECT_EQ(place.socketPath.starts_with(runtime + "/vestra-"), taken);
        EXPECT_EQ(place.fault.has_value(), !taken);
    }
    fs::create_directory(runtime + "/taken.sock"); // a bind that fails is a fault too
    EXPECT_EQ(HandOverListener(runtime + "/taken.sock").fault()->error, EADDRINUSE);
    if (::geteuid() == 0) { // a private folder of another user
        ASSERT_EQ(::chown(runtime.c_str(), 4242, 4242), 0);
        EXPECT_EQ(HandOverPlaceFor(lock, runtime).fault->cause, HandOverFaultCause::SharedFolder);
    }
}

TEST(HandOverTest, AFaultNamesItsPlaceAndReason) {
    EXPECT_EQ(HandOverFaultMessage({HandOverFaultCause::SharedFolder, "/tmp\t"}),
              "ﾌｧｲﾙの受け渡し用ｿｹｯﾄを作れません。\r\n/tmp\\t: 他のユーザーも書き込めるフォルダです"
              "\r\n後から起動してもﾌｧｲﾙはこのｳｨﾝﾄﾞｳに渡されません。");
}

// Another user took the socket's name first and listens there: it learns no path.
TEST(HandOverTest, ALaterStartTellsNoPathToAListenerOfAnotherUser) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs a second user, which needs root";
    }
    testing::TempFolder folder("HandOverTest");
    fs::permissions(folder.path(), fs::perms(0711));
    const std::string shelf = folder.file("shelf"), socket = shelf + "/VESTRA.INI.sock";
    fs::create_directory(shelf);
    ASSERT_EQ(::chown(shelf.c_str(), 4242, 4242), 0);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    pid_t foreign = ::fork();
    if (foreign == 0) { // exits with the number of bytes it was told
        bool up = ::setgroups(0, nullptr) == 0 && ::setgid(4242) == 0 && ::setuid(4242) == 0;
        HandOverListener listener(socket);
        pollfd waiting{listener.descriptor(), POLLIN, 0};
        char got[64];
        if (!up || ::write(ready[1], "r", 1) != 1 || ::poll(&waiting, 1, 2000) != 1) {
            ::_exit(99);
        }
        int peer = ::accept(listener.descriptor(), nullptr, nullptr);
        ::_exit(static_cast<int>(std::max<ssize_t>(0, ::read(peer, got, sizeof got))));
    }
    char byte;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    EXPECT_FALSE(SendHandOver(socket, "/home/me/secret.qmc", 2000));
    int status = 0;
    ::waitpid(foreign, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

} // namespace
} // namespace vestra
