#include "serial/LineTrace.h"

#include "base/TemperatureUnit.h"
#include "device/Connection.h"
#include "device/DumpText.h"
#include "device/RecordingObserver.h"
#include "device/ScriptedPort.h"
#include "files/TempFolder.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>

namespace vestra {
namespace {

using testing::MemoryDump;
using testing::ReadBytes;
using testing::RecordingObserver;
using testing::ScriptedPort;
using testing::TempFolder;
using Lines = std::vector<std::string>;

TEST(LineTraceTest, BytesAreShownSoThatEveryByteCanBeTold) {
    const std::pair<std::string, std::string> cases[] = {
        {"HEL\r\n", "HEL\\r\\n"},
        {std::string("A\0B", 3), "A\\x00B"},
        {"\xB1\xDF", "\\xB1\\xDF"},
        {"a\\b", "a\\\\b"},
        {"", ""},
    };
    for (const auto& [bytes, shown] : cases) {
        EXPECT_EQ(LineTrace::Escaped(bytes), shown);
    }
}

// Refused before anything is opened: a FIFO would hang the tool, /dev/full would lose the
// transcript without a word.
TEST(LineTraceTest, APlaceThatIsNoRegularFileIsRefusedWithItsReason) {
    TempFolder folder("vestra-trace");
    std::string fifo = folder.file("fifo.trace");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::pair<std::string, std::string> cases[] = {
        {fifo, "通常のファイルではありません"},
        {"/dev/full", "通常のファイルではありません"},
    };
    for (const auto& [path, why] : cases) {
        LineTrace trace;
        std::string reason;
        EXPECT_FALSE(trace.open(path, reason)) << path;
        EXPECT_EQ(reason, why) << path;
    }
}

// Another user's file in a sticky folder writable by all (/tmp) is neither written nor emptied:
// the kernel's protected_regular rule, which the data files' writing path keeps as well.
TEST(LineTraceTest, AnotherUsersFileInASharedFolderIsLeftAlone) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "a file of another user needs root";
    }
    namespace fs = std::filesystem;
    const fs::perms shared = fs::perms::all | fs::perms::sticky_bit;
    const std::tuple<fs::perms, uid_t, uid_t, bool> cases[] = {
        {shared, 0, 4242, false}, // folder mode, folder owner, file owner, opened
        {shared, 0, 0, true},
        {shared, 4242, 4242, true},
        {fs::perms::owner_all, 0, 4242, true},
    };
    for (const auto& [mode, folderOwner, fileOwner, opened] : cases) {
        TempFolder folder("vestra-trace");
        fs::permissions(folder.path(), mode);
        ASSERT_EQ(::chown(folder.path().c_str(), folderOwner, 0), 0);
        std::string path = folder.file("line.trace");
        testing::WriteBytes(path, "precious");
        ASSERT_EQ(::chown(path.c_str(), fileOwner, fileOwner), 0);
        LineTrace trace;
        std::string reason;
        EXPECT_EQ(trace.open(path, reason), opened) << fileOwner;
        EXPECT_EQ(ReadBytes(path), opened ? "" : "precious");
        EXPECT_EQ(reason, opened ? "" : "共有フォルダにある他のユーザーのファイルです");
    }
}

// A full disk, here the file size limit: the flush tells, and keeps telling the first cause.
TEST(LineTraceTest, AWriteThatFailsIsReportedByTheFlush) {
    TempFolder folder("vestra-trace");
    LineTrace trace;
    std::string reason;
    ASSERT_TRUE(trace.open(folder.file("line.trace"), reason)) << reason;
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small{1000, old.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    trace.note(std::string(5000, 'x'));
    bool flushed = trace.flush(reason);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(flushed);
    EXPECT_EQ(reason, "ファイルが大きすぎます");
    EXPECT_FALSE(trace.flush(reason));
}

// The records of the file without their times.
Lines Records(const std::string& path) {
    Lines records;
    std::istringstream in(ReadBytes(path));
    for (std::string line; std::getline(in, line);) {
        EXPECT_GT(line.size(), 9u) << line;
        records.push_back(line.substr(9));
    }
    return records;
}

class TracedConnectionTest : public ::testing::Test {
protected:
    Lines run(ConnectionMode mode) {
        std::string reason;
        EXPECT_TRUE(trace.open(path, reason)) << reason;
        EXPECT_TRUE(port.open(reason));
        state.CurrentMode = mode;
        Connection connection(port, state, data, TemperatureUnit::Celsius, observer);
        connection.setTrace(&trace);
        connection.runFromStart();
        EXPECT_TRUE(trace.flush(reason)) << reason;
        return Records(path);
    }

    TempFolder folder{"vestra-trace"};
    std::string path = folder.file("line.trace");
    LineTrace trace;
    ScriptedPort port;
    CommState state;
    DataStore data;
    RecordingObserver observer;
};

TEST_F(TracedConnectionTest, SilenceShowsTheTimeOutAndTheResult) {
    EXPECT_EQ(run(ConnectionMode::ModeClearMemory),
              (Lines{"* mode 5", "* break on", "* break off", "> HEL\\r\\n",
                     "* time-out: 21 ticks since the wait began, 21 since the last byte",
                     "> BYE\\r\\n", "* result 4"}));
}

TEST_F(TracedConnectionTest, ARefusedDumpShowsItsLineAndWhatWasExpected) {
    Lines dump = MemoryDump({});
    dump[5] = "ALARM(H)=23F"; // a Fahrenheit thermometer
    dump.insert(dump.begin(), "OK");
    port.answer("OK\r\n");
    port.answerLines(dump);
    Lines records = run(ConnectionMode::ModeImportMemory);
    EXPECT_EQ(records[4], "< OK\\r\\n");
    EXPECT_NE(std::find(records.begin(), records.end(),
                        "* refused dump line 6 (expecting ALARM(H)=, group 1): ALARM(H)=23F"),
              records.end());
    EXPECT_EQ(records.back(), "* result 1");
}

} // namespace
} // namespace vestra
