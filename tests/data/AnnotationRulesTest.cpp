#include "data/AnnotationRules.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

std::string repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) {
        out += s;
    }
    return out;
}

DataStore storeWithReadings(int group, int readings) {
    DataStore store;
    GroupSetting& g = store.importBuffer.group(group);
    for (int k = 0; k < readings; ++k) {
        g.recordValues.push_back(20.0f);
        g.recordTimes.push_back({2008, 1, 1, 0, 0, 0});
    }
    g.recordCount = static_cast<std::int16_t>(readings);
    store.commitImport(true);
    store.hasData = true;
    return store;
}

TEST(AnnotationCommit, FullWidthTextIsCutToTheByteLimit) {
    AnnotationCommit wide = CommitAnnotation(repeat("あ", 40), "", Annotation::Subject);
    EXPECT_EQ(wide.text, repeat("あ", 20));
    EXPECT_TRUE(wide.changed);
    AnnotationCommit narrow = CommitAnnotation(repeat("a", 40), "", Annotation::Subject);
    EXPECT_EQ(narrow.text, repeat("a", 40));
    // 19 full-width and 3 half-width characters are 41 bytes: one half-width one goes.
    AnnotationCommit mixed = CommitAnnotation(repeat("あ", 19) + "abc", "", Annotation::Subject);
    EXPECT_EQ(mixed.text, repeat("あ", 19) + "ab");
    EXPECT_EQ(CommitAnnotation(repeat("測", 11), "", Annotation::Target).text, repeat("測", 10));
    EXPECT_EQ(CommitAnnotation(repeat("ｱ", 21), "", Annotation::Measurer).text, repeat("ｱ", 20));
    EXPECT_EQ(CommitAnnotation(repeat("備", 20), "", Annotation::Remark).text, repeat("備", 18));
}

TEST(AnnotationCommit, ComparisonIsExactAndCaseSensitive) {
    EXPECT_FALSE(CommitAnnotation("Kiln", "Kiln", Annotation::Target).changed);
    EXPECT_TRUE(CommitAnnotation("kiln", "Kiln", Annotation::Target).changed);
    // Cutting can make an over-long text equal to what is stored: nothing changes then.
    EXPECT_FALSE(CommitAnnotation(repeat("あ", 12), repeat("あ", 10), Annotation::Target).changed);
}

TEST(AnnotationStore, StoresOnlyChangesAndMarksModified) {
    DataStore store = storeWithReadings(4, 3);
    store.currentGroup = 4;
    EXPECT_EQ(StoreAnnotation(store, Annotation::Target, "Kiln"), "Kiln");
    EXPECT_EQ(store.currentData.group(4).target, "Kiln");
    EXPECT_TRUE(store.modified);
    store.modified = false;
    StoreAnnotation(store, Annotation::Target, "Kiln");
    EXPECT_FALSE(store.modified);
    StoreAnnotation(store, Annotation::Remark, repeat("備", 20), 3);
    EXPECT_EQ(store.currentData.group(4).remarks[2], repeat("備", 18));
    EXPECT_EQ(StoredAnnotation(store, Annotation::Remark, 3), repeat("備", 18));
    EXPECT_TRUE(store.modified);
}

TEST(AnnotationEditable, PlaceholderBoxesAndRowsWithoutReadingsAreNotEditable) {
    DataStore none;
    EXPECT_FALSE(IsAnnotationEditable(none, Annotation::Subject));
    DataStore store = storeWithReadings(2, 3);
    EXPECT_TRUE(IsAnnotationEditable(store, Annotation::Subject));
    EXPECT_FALSE(IsAnnotationEditable(store, Annotation::Target)); // overview shown
    store.currentGroup = 2;
    EXPECT_FALSE(IsAnnotationEditable(store, Annotation::Subject));
    EXPECT_TRUE(IsAnnotationEditable(store, Annotation::Measurer));
    EXPECT_TRUE(IsAnnotationEditable(store, Annotation::Remark, 3));
    EXPECT_FALSE(IsAnnotationEditable(store, Annotation::Remark, 4));
    EXPECT_FALSE(IsAnnotationEditable(store, Annotation::Remark, 0));
    store.currentGroup = 3; // no readings: target and measurer show placeholders
    EXPECT_FALSE(IsAnnotationEditable(store, Annotation::Target));
    EXPECT_FALSE(IsAnnotationEditable(store, Annotation::Measurer));
}

TEST(AnnotationTyping, RefusesCharactersCodePage932CannotHold) {
    EXPECT_TRUE(IsTypableAnnotation("炉の温度 ﾃｽﾄ ①"));
    EXPECT_FALSE(IsTypableAnnotation("温度😀"));
    EXPECT_FALSE(IsTypableAnnotation("Ω€")); // the euro sign has no code page 932 form
    EXPECT_EQ(AnnotationTypingLimit(Annotation::Remark), 36);
    EXPECT_EQ(AnnotationByteLimit(Annotation::Subject), 40u);
}

} // namespace
} // namespace vestra
