// Saving onto a file system with no room left: the save reports the error and the file saved
// before stays as it was.
#include "base/TemperatureUnit.h"
#include "files/DataFile.h"
#include "files/SampleData.h"
#include "files/TempFolder.h"
#include "support/RecordingMessages.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

namespace vestra {
namespace {

using testing::ReadBytes;
using testing::RecordingMessages;
using testing::TempFolder;

// Writes zeros to path until the file system refuses more.
void FillUp(const std::string& path) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    std::string block(4096, '\0');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    int error = errno;
    ::close(fd);
    ASSERT_EQ(error, ENOSPC);
}

class FullDiskSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(mount_);
        if (::mount("tmpfs", mount_.c_str(), "tmpfs", 0, "size=64k") != 0) {
            GTEST_SKIP() << "cannot mount a 64 KiB tmpfs here (" << std::strerror(errno)
                         << "); the full-disk save needs root or CAP_SYS_ADMIN";
        }
        mounted_ = true;
    }
    void TearDown() override {
        if (mounted_) {
            ::umount2(mount_.c_str(), MNT_DETACH);
        }
    }

    TempFolder folder_{"vestra-full-disk"};
    std::string mount_ = folder_.file("small");
    std::string target_ = mount_ + "/measure.dat";
    bool mounted_ = false;
};

TEST_F(FullDiskSaveTest, SaveFailsWithTheErrorAndKeepsTheOldFile) {
    DataStore store;
    store.currentData = testing::SmallDataSet();
    RecordingMessages messages;
    ASSERT_TRUE(SaveDataFile(target_, store, TemperatureUnit::Celsius, messages));
    std::string old = ReadBytes(target_);
    FillUp(mount_ + "/filler");

    store.currentData = testing::FullDataSet();
    store.modified = true;
    EXPECT_FALSE(SaveDataFile(target_, store, TemperatureUnit::Celsius, messages));
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text, "File Save Error !");
    EXPECT_EQ(messages.entries[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(store.modified);
    EXPECT_TRUE(ReadBytes(target_) == old) << "the old file was changed";
    auto entries = std::filesystem::directory_iterator(mount_);
    EXPECT_EQ(std::distance(entries, std::filesystem::directory_iterator()), 2)
        << "the failed save left its temporary file";

    // Once there is room again the same save goes through.
    std::filesystem::remove(mount_ + "/filler");
    EXPECT_TRUE(SaveDataFile(target_, store, TemperatureUnit::Celsius, messages));
    EXPECT_TRUE(ReadBytes(target_) == EncodeDataFile(store.currentData, TemperatureUnit::Celsius));
    EXPECT_FALSE(store.modified);
}

} // namespace
} // namespace vestra
