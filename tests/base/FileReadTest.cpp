#include "base/FileRead.h"

#include "files/TempFolder.h"

#include <gtest/gtest.h>
#include <vector>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace vestra {
namespace {

class FileReadTest : public ::testing::Test {
protected:
    bool read(const std::string& path, std::size_t max) {
        Expected<FileContents> read = ReadRegularFile(path, max);
        if (read) {
            contents_ = *read;
        } else {
            reason_ = read.error().text;
        }
        return read.has_value();
    }

    testing::TempFolder folder_{"vestra-read"};
    FileContents contents_;
    std::string reason_;
};

// Larger files arrive in several reads; the limit may fall inside any of them.
TEST_F(FileReadTest, ReadsUpToTheLimitAndTellsWhetherMoreFollows) {
    std::string big;
    for (int i = 0; i < 50000; ++i) {
        big += static_cast<char>('a' + i % 26);
    }
    std::string path = folder_.file("big");
    testing::WriteBytes(path, big);
    struct Case {
        std::size_t max;
        std::size_t got;
        bool whole;
    };
    for (Case c : {Case{kWholeFile, 50000, true}, Case{50000, 50000, true},
                   Case{49999, 49999, false}, Case{20000, 20000, false}, Case{0, 0, false}}) {
        ASSERT_TRUE(read(path, c.max)) << c.max;
        EXPECT_EQ(contents_.bytes, big.substr(0, c.got)) << c.max;
        EXPECT_EQ(contents_.whole, c.whole) << c.max;
    }
}

// A FIFO would block the program until someone writes to it, a serial port would raise its
// lines; they are refused at once.
TEST_F(FileReadTest, OnlyRegularFilesAreRead) {
    struct Case {
        std::string path;
        std::string reason;
    };
    std::vector<Case> cases = {{folder_.path().string(), "フォルダです"},
                               {folder_.file("missing"), "ファイルまたはフォルダがありません"}};
#ifdef _WIN32
    for (const char* device : {"NUL", "COM1", "\\\\.\\COM1"}) {
        cases.push_back({device, "通常のファイルではありません"});
    }
#else
    ASSERT_EQ(::mkfifo(folder_.file("fifo").c_str(), 0600), 0);
    cases.push_back({folder_.file("fifo"), "通常のファイルではありません"});
    cases.push_back({"/dev/null", "通常のファイルではありません"});
#endif
    for (const Case& c : cases) {
        EXPECT_FALSE(read(c.path, 100)) << c.path;
        EXPECT_EQ(reason_, c.reason) << c.path;
    }
}

} // namespace
} // namespace vestra
