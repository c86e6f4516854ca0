#include "device/PosixSerialPort.h"

#include "files/TempFolder.h"

#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vestra {
namespace {

// A program that opened the line first with neither a lock file nor the exclusive mode (socat,
// say) is named; the far end of a pseudo-terminal, which holds both of its sides (the
// simulator), is not in the way.
TEST(PosixSerialPortTest, AProgramHoldingTheLineIsNamedButNotTheFarEnd) {
    int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    std::string path = ::ptsname(master);
    testing::TempFolder locks("vestra-port-locks");
    for (bool farEnd : {false, true}) {
        int ready[2];
        int done[2];
        ASSERT_EQ(::pipe(ready), 0);
        ASSERT_EQ(::pipe(done), 0);
        pid_t holder = ::fork();
        if (holder == 0) {
            ::close(done[1]);
            if (!farEnd) {
                ::close(master);
            }
            int slave = ::open(path.c_str(), O_RDWR | O_NOCTTY);
            char c = 'x';
            bool held = slave >= 0 && ::write(ready[1], &c, 1) == 1;
            ::_exit(held && ::read(done[0], &c, 1) == 0 ? 0 : 1);
        }
        ::close(ready[1]);
        ::close(done[0]);
        char c = 0;
        ASSERT_EQ(::read(ready[0], &c, 1), 1);
        std::string program = ProcessName(holder);
        PollWaiter waiter;
        PosixSerialPort port(path, waiter, {locks.path().string()});
        std::string reason;
        bool opened = port.open(reason);
        port.close();
        ::close(done[1]);
        ::close(ready[0]);
        int status = 0;
        ::waitpid(holder, &status, 0);
        EXPECT_EQ(WEXITSTATUS(status), 0);
        EXPECT_EQ(opened, farEnd) << reason;
        if (!farEnd) {
            EXPECT_EQ(reason, path + " は他のﾌﾟﾛｸﾞﾗﾑ (" + program + ", PID " +
                                  std::to_string(holder) + ") が使用中です。");
        }
    }
    ::close(master);
}

} // namespace
} // namespace vestra
