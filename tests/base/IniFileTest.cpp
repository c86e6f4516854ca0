#include "base/IniFile.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

TEST(IniFile, SectionsAndKeysIgnoreLetterCase) {
    IniFile ini = IniFile::Parse("[Setting]\r\nComPort= 3 \r\n; Unit=comment\r\n[PRINT]\nData=1\n");
    EXPECT_EQ(ini.value("setting", "COMPORT"), "3");
    EXPECT_EQ(ini.value("Print", "data"), "1");
    EXPECT_EQ(ini.value("Setting", "Unit"), std::nullopt);
    EXPECT_EQ(ini.value("Setting", "Data"), std::nullopt); // keys belong to their section
    EXPECT_EQ(ini.value("Missing", "Data"), std::nullopt);
}

TEST(IniFile, ValuesAreCodePage932) {
    IniFile ini = IniFile::Parse("[Setting]\r\nUnit=\xdf"
                                 "F\r\n");
    EXPECT_EQ(ini.value("Setting", "Unit"), "ﾟF");
    ini.set("Setting", "LastFile", "/data/測定.qmc");
    EXPECT_EQ(ini.serialize(), "[Setting]\r\nUnit=\xdf"
                               "F\r\nLastFile=/data/\x91\xaa\x92\xe8.qmc\r\n");
}

TEST(IniFile, SettingAValueKeepsEveryOtherLine) {
    std::string text = "; written by hand\r\n[Ports]\r\nCOM3=/dev/ttyUSB0\r\n\r\n[setting]\r\n"
                       "unit=x\r\nOther=keep me\r\n\r\n[Print]\r\nData=0\r\n";
    IniFile ini = IniFile::Parse(text);
    ini.set("Setting", "Unit", "ﾟC");
    ini.set("Setting", "LastFile", "a.qmc");
    ini.set("Extra", "Key", "v");
    EXPECT_EQ(ini.serialize(), "; written by hand\r\n[Ports]\r\nCOM3=/dev/ttyUSB0\r\n\r\n"
                               "[setting]\r\nUnit=\xdf"
                               "C\r\nOther=keep me\r\nLastFile=a.qmc\r\n"
                               "\r\n[Print]\r\nData=0\r\n[Extra]\r\nKey=v\r\n");
    auto ports = ini.entries("ports");
    ASSERT_EQ(ports.size(), 1u);
    EXPECT_EQ(ports[0].first, "COM3");
    EXPECT_EQ(ports[0].second, "/dev/ttyUSB0");
}

TEST(IniFile, AValueCannotAddLinesOfItsOwn) {
    IniFile ini = IniFile::Parse("[Setting]\r\n");
    ini.set("Setting", "LastFile", "/tmp/a\r\n[Setting]\nUnit=x.qmc");
    EXPECT_EQ(ini.serialize(), "[Setting]\r\nLastFile=/tmp/a[Setting]Unit=x.qmc\r\n");
    EXPECT_EQ(IniFile::Parse(ini.serialize()).value("Setting", "Unit"), std::nullopt);
}

} // namespace
} // namespace vestra
