#include "devicesettings/SettingsText.h"

#include "support/DemoData.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

std::string joined(const std::vector<std::string>& lines, const char* end = "\n") {
    std::string text;
    for (const std::string& line : lines) {
        text += line + end;
    }
    return text;
}

class SettingsTextTest : public ::testing::Test {
protected:
    SettingsTextTest() {
        testing::StageDemoImport(data);
        data.group(3).tag = "ｵｰﾌﾞﾝ";
        data.group(3).emissivity = 1.0f;
        data.group(3).alarmLow = -40.0f;
        lines = SettingsTextLines(data);
    }

    std::optional<SettingsTextFault> read(const std::string& text) {
        return ReadSettingsText(text, form);
    }

    DataSet data;
    std::vector<std::string> lines;
    DeviceSettings settings;
    SettingsForm form{settings, TemperatureUnit::Celsius};
};

TEST_F(SettingsTextTest, PrintsLabelThenTheFieldsOfEachGroup) {
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[0], "LABEL=LINE-A");
    EXPECT_EQ(lines[1], "01 TAG1 0.95 30 10");
    EXPECT_EQ(lines[3], "03 ｵｰﾌﾞﾝ 1.00 30 -40");
    EXPECT_EQ(lines[15], "15 TAG15 0.95 30 10");
}

TEST_F(SettingsTextTest, ReadsBackWhatItPrints) {
    // Windows line ends, blank lines and extra blanks between fields change nothing.
    std::string text = "\r\n" + joined(lines, "\r\n") + "  \r\n";
    text.replace(text.find("01 TAG1"), 7, "1   TAG1");
    ASSERT_EQ(read(text), std::nullopt);
    EXPECT_EQ(settings.label, "LINE-A");
    EXPECT_EQ(settings.group(3).tag, "ｵｰﾌﾞﾝ");
    EXPECT_FLOAT_EQ(settings.group(3).emissivity, 1.0f);
    EXPECT_EQ(settings.group(3).alarmLow, -40.0f);
    EXPECT_EQ(settings.group(15).alarmHigh, 30.0f);
    EXPECT_EQ(read("label=LINE-B\n" + joined({lines.begin() + 1, lines.end()})), std::nullopt);
    EXPECT_EQ(settings.label, "LINE-B");
}

TEST_F(SettingsTextTest, NamesTheFirstLineThatFailsTheEditorsChecks) {
    struct Case {
        std::size_t index;
        std::string line;
    };
    for (const Case& c :
         {Case{0, "LABEL=TWO WORDS"}, Case{0, "LABEL="}, Case{0, "LABEL=ABCDEFGHIJK"},
          Case{2, "02 TAG2 0.29 30 10"}, Case{5, "05 TAG5 0.95 501 10"},
          Case{6, "06 TAG6 0.95 20 20"}, Case{7, "07 ＡＢ 0.95 30 10"}, Case{8, "08 TAG8 x 30 10"},
          // Control characters would reach the thermometer's command line raw.
          Case{0, "LABEL=VES\x1bTRA"}, Case{0, "LABEL=VES\x7fTRA"},
          Case{0, std::string("LABEL=VE\0S", 10)}, Case{3, "03 TA\x01G 0.95 30 10"}}) {
        std::vector<std::string> bad = lines;
        bad[c.index] = c.line;
        // A later malformed line does not hide an earlier bad value.
        bad[12] = "12 TAG12";
        EXPECT_EQ(read("\n" + joined(bad)), (SettingsTextFault{int(c.index) + 2, c.line}))
            << c.line;
    }
}

TEST_F(SettingsTextTest, NamesMalformedMissingAndSurplusLines) {
    std::vector<std::string> bad = lines;
    bad[4] = "05 TAG4 0.95 30 10"; // group 5 where 4 belongs
    EXPECT_EQ(read(joined(bad)), (SettingsTextFault{5, bad[4]}));
    bad = lines;
    bad[0] = "NAME=LINE-A";
    EXPECT_EQ(read(joined(bad)), (SettingsTextFault{1, bad[0]}));
    bad = lines;
    bad[9] += " 7";
    EXPECT_EQ(read(joined(bad)), (SettingsTextFault{10, bad[9]}));
    bad = lines;
    bad.push_back("16 TAG16 0.95 30 10");
    EXPECT_EQ(read(joined(bad)), (SettingsTextFault{17, bad[16]}));

    std::vector<std::string> shortText(lines.begin(), lines.end() - 1);
    EXPECT_EQ(read(joined(shortText) + "\n"), (SettingsTextFault{16, ""}));
    EXPECT_EQ(read(""), (SettingsTextFault{1, ""}));
}

} // namespace
} // namespace vestra
