#include "data/FixedMessages.h"

#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

TEST(Messages, FixedBoxesHaveTheirTextsAndIcons) {
    testing::RecordingMessages messages;
    ShowNotSupported(messages);
    ShowInputError(messages);
    ASSERT_EQ(messages.entries.size(), 2u);
    EXPECT_EQ(messages.entries[0].text,
              "デバッグ中です！\r\nまだその機能はサポートされていません。");
    EXPECT_EQ(messages.entries[0].icon, MessageIcon::Critical);
    EXPECT_EQ(messages.entries[1].text, "入力に誤りがあります！");
    EXPECT_EQ(messages.entries[1].icon, MessageIcon::Exclamation);
}

} // namespace
} // namespace vestra
