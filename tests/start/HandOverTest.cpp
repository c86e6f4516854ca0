#include "start/HandOver.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vestra {
namespace {

using Progress = HandOverConnection::Progress;

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

} // namespace
} // namespace vestra
