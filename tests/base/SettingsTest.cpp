#include "base/Settings.h"

#include "base/SettingsDocument.h"
#include "support/RecordingMessages.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace vestra {
namespace {

namespace fs = std::filesystem;

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("vestra-settings-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        path_ = (folder_ / "VESTRA.INI").string();
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Settings read from a file holding the given code page 932 bytes.
    Settings load(const std::string& cp932) {
        std::ofstream(path_, std::ios::binary) << cp932;
        Settings s;
        // Not the default, so that Celsius is what was read.
        s.CurrentUnit = TemperatureUnit::Fahrenheit;
        LoadSettings(path_, s);
        return s;
    }
    std::string contents() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path folder_;
    std::string path_;
};

const std::string kDefaultFile = "[Setting]\r\nComPort= 1\r\nUnit=\xdf"
                                 "C\r\nUnitChange=1\r\n\r\n"
                                 "[Print]\r\nData=0\r\nGroup= 0\r\n";

TEST_F(SettingsTest, DefaultFileIsTheEightLines) {
    ASSERT_TRUE(WriteDefaultSettingsFile(path_));
    EXPECT_EQ(contents(), kDefaultFile);
    Settings s = load(kDefaultFile);
    EXPECT_EQ(s.CurrentUnit, TemperatureUnit::Celsius);
    EXPECT_TRUE(s.AskModelType);
    EXPECT_EQ(s.PortNumber, 1);
    EXPECT_FALSE(s.PrintDataOption);
    EXPECT_EQ(s.PrintGroupOption, 0);
    EXPECT_EQ(s.CurrentFilePath, "");
}

TEST_F(SettingsTest, UnitIsFahrenheitOnlyForTheFahrenheitText) {
    EXPECT_EQ(load("[Setting]\r\nUnit=\xdf"
                   "f\r\n")
                  .CurrentUnit,
              TemperatureUnit::Fahrenheit);
    EXPECT_EQ(load("[Setting]\r\nUnit= \xdf"
                   "F \r\n")
                  .CurrentUnit,
              TemperatureUnit::Fahrenheit);
    EXPECT_EQ(load("[Setting]\r\nUnit=F\r\n").CurrentUnit, TemperatureUnit::Celsius);
    EXPECT_EQ(load("").CurrentUnit, TemperatureUnit::Celsius);
}

TEST_F(SettingsTest, PortOutsideOneToSixteenIsPortOne) {
    EXPECT_EQ(load("[Setting]\r\nComPort=17\r\n").PortNumber, 1);
    EXPECT_EQ(load("[Setting]\r\nComPort=0\r\n").PortNumber, 1);
    EXPECT_EQ(load("[Setting]\r\nComPort=abc\r\n").PortNumber, 1);
    EXPECT_EQ(load("[Setting]\r\nComPort=16\r\n").PortNumber, 16);
    EXPECT_EQ(load("[Setting]\r\nComPort= 3\r\n").PortNumber, 3);
    EXPECT_EQ(load("[Setting]\r\nComPort=2.5\r\n").PortNumber, 2); // halves to even
    EXPECT_EQ(load("[Setting]\r\nComPort=3.5x\r\n").PortNumber, 4);
    EXPECT_EQ(load("[Setting]\r\nComPort=99999999999\r\n").PortNumber, 1);
}

// Qt sets the user's locale at start-up; a comma as decimal separator must not change how the
// file reads.
TEST_F(SettingsTest, NumbersReadTheSameUnderACommaDecimalLocale) {
    std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "locales-all is not installed";
    Settings port = load("[Setting]\r\nComPort=2.6\r\nUnitChange=1e999\r\n");
    Settings tiny = load("[Setting]\r\nUnitChange=1e-999\r\n");
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(port.PortNumber, 3);
    EXPECT_TRUE(port.AskModelType);
    EXPECT_FALSE(tiny.AskModelType);
}

TEST_F(SettingsTest, PrintOptionsAndTheTypeQuestion) {
    EXPECT_EQ(load("[Print]\r\nGroup=2\r\n").PrintGroupOption, 2);
    EXPECT_EQ(load("[Print]\r\nGroup=3\r\n").PrintGroupOption, 0);
    EXPECT_EQ(load("[Print]\r\nGroup= 1\r\n").PrintGroupOption, 1);
    EXPECT_TRUE(load("[Print]\r\nData=1\r\n").PrintDataOption);
    EXPECT_FALSE(load("[Print]\r\nData=2\r\n").PrintDataOption);
    EXPECT_FALSE(load("[Setting]\r\nUnitChange=0\r\n").AskModelType);
    EXPECT_FALSE(load("[Setting]\r\nUnitChange= 0.0 \r\n").AskModelType);
    EXPECT_TRUE(load("[Setting]\r\nUnitChange=1\r\n").AskModelType);
    EXPECT_TRUE(load("[Setting]\r\nUnitChange=no\r\n").AskModelType);
    EXPECT_TRUE(load("").AskModelType);
}

TEST_F(SettingsTest, LastFileLosesItsBlanks) {
    EXPECT_EQ(load("[Setting]\r\nLastFile=  /home/u/a b.qmc  \r\n").CurrentFilePath,
              "/home/u/a b.qmc");
    EXPECT_EQ(load("[Setting]\r\n").CurrentFilePath, "");
    EXPECT_EQ(ReadIniString(path_, "Setting", "LastFile"), "???");
    EXPECT_EQ(ReadIniString(path_, "Print", "Data"), "???");
}

TEST_F(SettingsTest, SavingKeepsForeignLinesAndReadsBack) {
    ASSERT_TRUE(WriteDefaultSettingsFile(path_));
    {
        std::ofstream(path_, std::ios::binary | std::ios::app) << "[Ports]\r\nCOM3=/dev/ttyUSB0\r\n"
                                                                  "com12=/dev/ttyACM1\r\nX=y\r\n";
    }
    Settings s;
    s.CurrentUnit = TemperatureUnit::Fahrenheit;
    s.PortNumber = 3;
    s.AskModelType = false;
    s.PrintDataOption = true;
    s.PrintGroupOption = 2;
    s.CurrentFilePath = "/data/測定.qmf";
    ASSERT_TRUE(SaveSettings(path_, s));
    EXPECT_EQ(contents(), "[Setting]\r\nComPort= 3\r\nUnit=\xdf"
                          "F\r\nUnitChange=0\r\n"
                          "LastFile=/data/\x91\xaa\x92\xe8.qmf\r\n\r\n[Print]\r\nData=1\r\n"
                          "Group= 2\r\n[Ports]\r\nCOM3=/dev/ttyUSB0\r\ncom12=/dev/ttyACM1\r\n"
                          "X=y\r\n");
    Settings back;
    LoadSettings(path_, back);
    EXPECT_EQ(back.CurrentUnit, TemperatureUnit::Fahrenheit);
    EXPECT_EQ(back.PortNumber, 3);
    EXPECT_FALSE(back.AskModelType);
    EXPECT_TRUE(back.PrintDataOption);
    EXPECT_EQ(back.PrintGroupOption, 2);
    EXPECT_EQ(back.CurrentFilePath, s.CurrentFilePath);
    std::map<int, std::string> ports = ReadPortMap(path_);
    EXPECT_EQ(ports, (std::map<int, std::string>{{3, "/dev/ttyUSB0"}, {12, "/dev/ttyACM1"}}));
}

// Ports given to new adapters are kept beside the ones written by hand, under the same keys.
TEST_F(SettingsTest, PortsAreReadAndWrittenWithTheOtherSettings) {
    Settings s = load("[Ports]\r\ncom3=/dev/ttyUSB0\r\nNote=kept\r\n");
    EXPECT_EQ(s.Ports, (std::map<int, std::string>{{3, "/dev/ttyUSB0"}}));
    s.Ports[1] = "/dev/serial/by-id/usb-FTDI_A1-if00-port0";
    ASSERT_TRUE(SaveSettings(path_, s));
    EXPECT_EQ(ReadPortMap(path_), s.Ports);
    EXPECT_EQ(ReadIniString(path_, "Ports", "Note"), "kept");
}

TEST_F(SettingsTest, SaveIntoAMissingFolderFails) {
    EXPECT_FALSE(SaveSettings((folder_ / "missing" / "VESTRA.INI").string(), Settings()));
}

// Every line of a large file is written back, also those far into it.
TEST_F(SettingsTest, ALargeFileIsKeptWholeAndItsLateSectionsRead) {
    std::string comments;
    while (comments.size() < kMaxIniFileBytes - 1000) {
        comments += "; a comment that a user keeps in the settings file\r\n";
    }
    std::string tail = "[Ports]\r\nCOM3=/dev/ttyUSB0\r\n";
    std::ofstream(path_, std::ios::binary) << comments << tail;
    EXPECT_EQ(ReadPortMap(path_).at(3), "/dev/ttyUSB0");
    ASSERT_TRUE(SaveSettings(path_, Settings()));
    std::string saved = contents();
    EXPECT_TRUE(saved.starts_with(comments + tail)) << saved.size();
}

// A settings file that exists but cannot be read is never replaced by one without its lines.
TEST_F(SettingsTest, AnUnreadableFileIsNotOverwritten) {
    ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
    EXPECT_FALSE(SaveSettings(path_, Settings()));
    EXPECT_TRUE(fs::is_fifo(path_));
}

// A file beyond 1 MiB is no settings file: the run takes the defaults and says so, and the file
// is never written over.
TEST_F(SettingsTest, AMebibyteIsASettingsFileAByteMoreIsNot) {
    const std::string head = "[Setting]\r\nUnit=\xdf"
                             "F\r\n;";
    for (auto [size, read] : {std::pair{kMaxIniFileBytes, true}, {kMaxIniFileBytes + 1, false}}) {
        const std::string bytes = head + std::string(size - head.size(), 'x');
        std::ofstream(path_, std::ios::binary) << bytes;
        SettingsDocument document = SettingsDocument::Load(path_);
        EXPECT_EQ(ReadSettings(document.ini()).CurrentUnit == TemperatureUnit::Fahrenheit, read);
        testing::RecordingMessages messages;
        ShowSettingsNotRead(messages, document);
        if (read) {
            EXPECT_TRUE(messages.entries.empty());
            continue;
        }
        ASSERT_EQ(messages.entries.size(), 1u);
        EXPECT_EQ(messages.entries[0].text,
                  "設定ﾌｧｲﾙを読み込めません。\r\n既定の設定で続け、このﾌｧｲﾙは変更しません。");
        EXPECT_EQ(messages.entries[0].detail, path_ + ": ファイルが大きすぎます");
        EXPECT_FALSE(document.save());
        EXPECT_FALSE(SaveSettings(path_, Settings()));
        EXPECT_TRUE(contents() == bytes);
    }
}

TEST(SettingsPath, FollowsTheConfigFolder) {
    const char* old = std::getenv("XDG_CONFIG_HOME");
    std::string saved = old != nullptr ? old : "";
    ::setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(SettingsFilePath(), "/cfg/MORVA/VESTRA2/Config/VESTRA.INI");
    ::setenv("XDG_CONFIG_HOME", "", 1); // empty counts as unset
    std::string fallback = SettingsFilePath().value();
    EXPECT_TRUE(fallback.ends_with("/.config/MORVA/VESTRA2/Config/VESTRA.INI")) << fallback;
    if (old != nullptr) {
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    } else {
        ::unsetenv("XDG_CONFIG_HOME");
    }
}

} // namespace
} // namespace vestra
