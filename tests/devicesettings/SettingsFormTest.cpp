#include "devicesettings/SettingsForm.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

using Box = SettingBox;

class SettingsFormTest : public ::testing::Test {
protected:
    void SetUp() override { form.loadDefaults(); }

    DeviceSettings settings;
    SettingsForm form{settings, TemperatureUnit::Celsius};
};

TEST(SettingsFormUnit, FahrenheitDefaultsAndLimits) {
    DeviceSettings settings;
    SettingsForm form(settings, TemperatureUnit::Fahrenheit);
    form.loadDefaults();
    EXPECT_EQ(form.text(3, Box::AlarmHigh), "932");
    EXPECT_EQ(form.control(3, Box::AlarmHigh).max, 972);
    form.type(3, Box::AlarmHigh, "501");
    EXPECT_EQ(form.validate(), std::nullopt);
    EXPECT_EQ(settings.group(3).alarmHigh, 501.0f);
}

TEST_F(SettingsFormTest, ArrowContinuesFromATypedNumber) {
    form.type(2, Box::Emissivity, "0.50");
    EXPECT_TRUE(form.step(2, Box::Emissivity, +1));
    EXPECT_EQ(form.text(2, Box::Emissivity), "0.51");
    EXPECT_EQ(settings.group(2).emissivity, 0.51f);
    EXPECT_EQ(form.control(2, Box::Emissivity).position, 51);

    form.type(3, Box::Emissivity, "0.50");
    form.step(3, Box::Emissivity, -1);
    EXPECT_EQ(form.text(3, Box::Emissivity), "0.49");

    // A typed number equal to the stored one steps from the stored one, which is the same.
    form.type(4, Box::AlarmHigh, " 500");
    form.step(4, Box::AlarmHigh, -1);
    EXPECT_EQ(form.text(4, Box::AlarmHigh), "499");
}

TEST_F(SettingsFormTest, ArrowStepsFromTheStoredValueWhenTheTypedOneIsOutOfReach) {
    form.type(1, Box::Emissivity, "5");
    form.step(1, Box::Emissivity, +1);
    EXPECT_EQ(form.text(1, Box::Emissivity), "0.96");
    EXPECT_EQ(settings.group(1).emissivity, 0.96f);

    form.type(1, Box::Emissivity, "abc");
    form.step(1, Box::Emissivity, -1);
    EXPECT_EQ(form.text(1, Box::Emissivity), "0.95");

    // Within the unit's range but beyond the coupled limit of the low alarm (high is 100).
    form.setNumber(2, Box::AlarmHigh, 100);
    form.type(2, Box::AlarmLow, "150");
    form.step(2, Box::AlarmLow, +1);
    EXPECT_EQ(form.text(2, Box::AlarmLow), "-39");
}

TEST_F(SettingsFormTest, ArrowAtItsLimitChangesNothing) {
    form.setNumber(1, Box::Emissivity, 1.9f);
    form.type(1, Box::Emissivity, "0.50");
    EXPECT_FALSE(form.step(1, Box::Emissivity, +1));
    EXPECT_EQ(form.text(1, Box::Emissivity), "0.50");
    EXPECT_EQ(settings.group(1).emissivity, 1.9f);
    form.setNumber(2, Box::Emissivity, 0.3f);
    EXPECT_FALSE(form.step(2, Box::Emissivity, -1));

    // Stepping from a typed number stops at the limit.
    form.setNumber(1, Box::Emissivity, 0.95f);
    form.type(1, Box::Emissivity, "1.90");
    EXPECT_TRUE(form.step(1, Box::Emissivity, +1));
    EXPECT_EQ(form.text(1, Box::Emissivity), "1.90");
    EXPECT_EQ(settings.group(1).emissivity, 1.9f);

    form.type(3, Box::Emissivity, "1.90");
    form.step(3, Box::Emissivity, -1);
    EXPECT_EQ(form.text(3, Box::Emissivity), "1.89");
}

TEST_F(SettingsFormTest, AlarmPairKeepsHighAboveLow) {
    form.setNumber(5, Box::AlarmHigh, 100);
    form.setNumber(5, Box::AlarmLow, 99);
    EXPECT_FALSE(form.step(5, Box::AlarmLow, +1));
    EXPECT_FALSE(form.step(5, Box::AlarmHigh, -1));
    EXPECT_EQ(form.text(5, Box::AlarmLow), "99");

    // Moving one end frees the other.
    EXPECT_TRUE(form.step(5, Box::AlarmHigh, +1));
    EXPECT_EQ(form.control(5, Box::AlarmLow).max, ToPosition(Box::AlarmLow, 100));
    EXPECT_TRUE(form.step(5, Box::AlarmLow, +1));
    EXPECT_EQ(form.text(5, Box::AlarmLow), "100");
    EXPECT_EQ(form.control(5, Box::AlarmHigh).min, ToPosition(Box::AlarmHigh, 101));

    // Setting a value is not bound by the coupled limits, and lands on the step grid.
    form.setNumber(1, Box::AlarmLow, 600.4f);
    EXPECT_EQ(settings.group(1).alarmLow, 600.0f);
}

TEST_F(SettingsFormTest, DefaultsCompareTheBoxesAsTyped) {
    form.type(1, Box::Tag, "group01");
    EXPECT_FALSE(form.isAtDefaults(1));
    form.type(1, Box::Tag, " GROUP01");
    EXPECT_FALSE(form.isAtDefaults(1));
    form.type(1, Box::Tag, "GROUP01");
    form.type(1, Box::Emissivity, " 0.950");
    EXPECT_TRUE(form.isAtDefaults(1));
    form.type(1, Box::AlarmLow, "-39");
    EXPECT_FALSE(form.isAtDefaults(1));
    form.applyGroupDefaults(1);
    EXPECT_TRUE(form.isAtDefaults(1));
    EXPECT_EQ(settings.group(1).alarmLow, -40.0f);
}

TEST_F(SettingsFormTest, RangesOfTheCheck) {
    struct Case {
        Box box;
        const char* text;
        bool valid;
    };
    for (Case c : {Case{Box::Emissivity, "0.30", true}, Case{Box::Emissivity, "1.90", true},
                   Case{Box::Emissivity, "0.29", false}, Case{Box::Emissivity, "1.91", false},
                   Case{Box::AlarmLow, "-40", true}, Case{Box::AlarmHigh, "500", true},
                   Case{Box::AlarmHigh, "501", false}, Case{Box::AlarmLow, "-41", false},
                   Case{Box::AlarmHigh, "", false}}) {
        form.loadDefaults();
        form.type(4, c.box, c.text);
        auto fault = form.validate();
        EXPECT_EQ(!fault, c.valid) << c.text;
        if (fault) {
            EXPECT_EQ(*fault, (InputFault{4, c.box})) << c.text;
        }
    }
}

TEST_F(SettingsFormTest, HighMustLieAboveLowOnTheStepGrid) {
    form.type(2, Box::AlarmHigh, "30");
    form.type(2, Box::AlarmLow, "30");
    EXPECT_EQ(form.validate(), (InputFault{2, Box::AlarmHigh}));
    // 2.5 and 2.4 are apart as typed but both would be stored as 2.
    form.type(2, Box::AlarmHigh, "2.5");
    form.type(2, Box::AlarmLow, "2.4");
    EXPECT_EQ(form.validate(), (InputFault{2, Box::AlarmHigh}));
    form.type(2, Box::AlarmHigh, "31");
    EXPECT_EQ(form.validate(), std::nullopt);
    EXPECT_EQ(settings.group(2).alarmLow, 2.0f);
}

TEST_F(SettingsFormTest, FirstFaultInBoxOrderWins) {
    form.type(3, Box::Tag, "");
    form.type(3, Box::Emissivity, "9");
    EXPECT_EQ(form.validate(), (InputFault{3, Box::Tag}));
    form.type(3, Box::Tag, "T");
    EXPECT_EQ(form.validate(), (InputFault{3, Box::Emissivity}));
    form.type(3, Box::Emissivity, "1");
    form.type(3, Box::AlarmHigh, "999");
    form.type(3, Box::AlarmLow, "999");
    EXPECT_EQ(form.validate(), (InputFault{3, Box::AlarmHigh}));
    form.type(3, Box::AlarmHigh, "-40");
    EXPECT_EQ(form.validate(), (InputFault{3, Box::AlarmLow}));
    // A fault on the label comes before all groups.
    form.type(0, Box::Label, "");
    EXPECT_EQ(form.validate(), (InputFault{0, Box::Label}));
}

TEST_F(SettingsFormTest, LabelAndTagRules) {
    struct Case {
        const char* text;
        bool valid;
    };
    for (Case c :
         {Case{"TWO WORDS", false}, Case{"  OVEN  ", true}, Case{"", false}, Case{"   ", false},
          Case{"ＴＡＧ", false}, Case{"ﾀｸﾞ", true}, Case{"café", false}}) {
        form.loadDefaults();
        form.type(0, Box::Label, c.text);
        EXPECT_EQ(!form.validate(), c.valid) << c.text;
        form.loadDefaults();
        form.type(6, Box::Tag, c.text);
        EXPECT_EQ(!form.validate(), c.valid) << c.text;
    }
    form.type(0, Box::Label, "  LINE ");
    form.type(6, Box::Tag, " OVEN  ");
    EXPECT_EQ(form.validate(), std::nullopt);
    EXPECT_EQ(settings.label, "LINE");
    EXPECT_EQ(form.text(0, Box::Label), "LINE");
    EXPECT_EQ(settings.group(6).tag, "OVEN");
}

TEST_F(SettingsFormTest, FaultInGroupSevenLeavesEarlierGroupsStored) {
    form.type(0, Box::Label, "LINE");
    for (int g = 1; g <= 8; ++g) {
        form.type(g, Box::Tag, "T" + std::to_string(g));
        form.type(g, Box::Emissivity, "0.7");
    }
    form.type(7, Box::AlarmHigh, "x");
    EXPECT_EQ(form.validate(), (InputFault{7, Box::AlarmHigh}));
    EXPECT_EQ(settings.label, "LINE");
    EXPECT_EQ(settings.group(6).tag, "T6");
    EXPECT_EQ(settings.group(6).emissivity, 0.7f);
    EXPECT_EQ(form.text(6, Box::Emissivity), "0.70");
    // Group 7 got as far as its emissivity; group 8 was not reached.
    EXPECT_EQ(settings.group(7).emissivity, 0.7f);
    EXPECT_EQ(settings.group(8).tag, "GROUP08");
    EXPECT_EQ(settings.group(8).emissivity, 0.95f);
}

} // namespace
} // namespace vestra
