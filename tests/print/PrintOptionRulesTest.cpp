#include "print/PrintMenuRules.h"
#include "print/PrintSetRules.h"
#include "print/ReportLines.h"
#include "print/ReportSample.h"
#include "support/RecordingMessages.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace vestra {
namespace {

using testing::SampleStore;
using testing::SampleTime;

// Readings in groups 1 and 3 only.
DataStore groupsOneAndThree() {
    return SampleStore({{{SampleTime(0), 22.5f, ""}}, {}, {{SampleTime(1), 40.0f, "x"}}});
}

std::vector<int> chosenGroups(const PrintOptions& o) {
    std::vector<int> groups;
    for (int n = 1; n <= kGroupCount; ++n) {
        if (o.group(n)) {
            groups.push_back(n);
        }
    }
    return groups;
}

bool hasLineWith(const std::vector<std::string>& lines, const std::string& text) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.find(text) != std::string::npos; });
}

TEST(PrintMenu, OpeningSwitchesOnTheHeaderAndChoosesTheGroupsHoldingReadings) {
    DataStore store = groupsOneAndThree();
    PrintSettings s;
    s.PrintDataOption = true;
    s.PrintGroupOption = 7; // not a choice: all items
    EXPECT_EQ(OpenPrintMenu(s, store.currentData), 0);
    EXPECT_EQ(s.PrintGroupOption, 0);
    EXPECT_TRUE(s.options.printPageNumber && s.options.printSubject && s.options.printDateTime &&
                s.options.printDeviceLabel && s.options.printUnit && s.options.printTotalCount &&
                s.options.printTarget && s.options.printMeasurer);
    EXPECT_EQ(chosenGroups(s.options), (std::vector<int>{1, 3}));

    ApplyDataOnly(s, false, store.currentData);
    EXPECT_FALSE(s.PrintDataOption);
    EXPECT_EQ(chosenGroups(s.options).size(), 15u);
    ApplyDataOnly(s, true, store.currentData);
    EXPECT_TRUE(s.PrintDataOption);
    EXPECT_EQ(chosenGroups(s.options), (std::vector<int>{1, 3}));
}

TEST(PrintMenu, ItemSetsChooseSettingsOrDataLines) {
    DataStore store = groupsOneAndThree();
    PrintSettings s;
    OpenPrintMenu(s, store.currentData);
    ApplyItemSet(s, 1);
    EXPECT_EQ(s.PrintGroupOption, 1);
    auto settingsOnly = ReportLines(store.currentData, s.options, TemperatureUnit::Celsius);
    EXPECT_TRUE(hasLineWith(settingsOnly, "ﾀｸﾞ") && hasLineWith(settingsOnly, "放射率") &&
                hasLineWith(settingsOnly, "上限値") && hasLineWith(settingsOnly, "下限値"));
    EXPECT_FALSE(hasLineWith(settingsOnly, "収録No.") || hasLineWith(settingsOnly, "最大値") ||
                 hasLineWith(settingsOnly, "平均値"));

    ApplyItemSet(s, 2);
    EXPECT_EQ(s.PrintGroupOption, 2);
    auto dataOnly = ReportLines(store.currentData, s.options, TemperatureUnit::Celsius);
    EXPECT_FALSE(hasLineWith(dataOnly, "ﾀｸﾞ") || hasLineWith(dataOnly, "放射率") ||
                 hasLineWith(dataOnly, "上限値") || hasLineWith(dataOnly, "下限値"));
    EXPECT_TRUE(hasLineWith(dataOnly, "収録No.") && hasLineWith(dataOnly, "    警報    備考") &&
                hasLineWith(dataOnly, "最小値") && hasLineWith(dataOnly, "平均値"));

    for (const auto& lines : {settingsOnly, dataOnly}) {
        EXPECT_TRUE(hasLineWith(lines, "対象物") && hasLineWith(lines, "測定者"));
    }
}

TEST(PrintSettingsDialog, GroupChoiceStartsFromTheDataOnlyOption) {
    DataStore store = groupsOneAndThree();
    PrintSettings s;
    EXPECT_EQ(InitialGroupChoice(s), GroupChoice::All);
    EXPECT_FALSE(ApplyGroupChoice(s.options, GroupChoice::All, store.currentData));
    EXPECT_EQ(chosenGroups(s.options).size(), 15u);
    s.PrintDataOption = true;
    EXPECT_EQ(InitialGroupChoice(s), GroupChoice::WithData);
    EXPECT_FALSE(ApplyGroupChoice(s.options, GroupChoice::WithData, store.currentData));
    EXPECT_TRUE(ApplyGroupChoice(s.options, GroupChoice::Chosen, store.currentData));
    EXPECT_EQ(chosenGroups(s.options), (std::vector<int>{1, 3}));
}

TEST(PrintSettingsDialog, ColumnsAndStatisticsKeepTheReadingTableOn) {
    PrintOptions o;
    o.printMaximum = true;
    ApplyDataItemsDependency(o);
    EXPECT_TRUE(o.printRecords);

    o.printRecords = false; // unchecking the table while the maximum is on
    ApplyDataItemsDependency(o);
    EXPECT_TRUE(o.printRecords);

    for (std::size_t i = 1; i < kDataItemSwitches.size(); ++i) {
        PrintOptions one;
        one.*kDataItemSwitches[i] = true;
        ApplyDataItemsDependency(one);
        EXPECT_TRUE(one.printRecords) << i;
    }

    PrintOptions none;
    ApplyDataItemsDependency(none);
    EXPECT_FALSE(none.printRecords);
}

TEST(PrintSettingsDialog, PageNumberAloneIsNothingToPrint) {
    testing::RecordingMessages messages;
    PrintOptions o;
    o.printPageNumber = true;
    o.printRecords = true;
    EXPECT_FALSE(CheckSomethingToPrint(o, messages));
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text, "印刷する項目がありません。");
    EXPECT_EQ(messages.entries[0].icon, MessageIcon::Exclamation);

    o.setGroup(15, true);
    EXPECT_TRUE(CheckSomethingToPrint(o, messages));
    o.setGroup(15, false);
    o.printTotalCount = true;
    EXPECT_TRUE(CheckSomethingToPrint(o, messages));
    EXPECT_EQ(messages.entries.size(), 1u);
}

} // namespace
} // namespace vestra
