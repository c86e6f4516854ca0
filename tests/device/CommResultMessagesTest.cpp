#include "device/CommResultMessages.h"

#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

using testing::RecordingMessages;

RecordingMessages::Entry shown(CommResult result) {
    RecordingMessages messages;
    ShowCommResult(messages, result);
    EXPECT_EQ(messages.entries.size(), 1u);
    return messages.entries.at(0);
}

TEST(ShowCommResultTest, EveryResultHasItsMessageAndIcon) {
    const std::string badData = "受信ﾃﾞｰﾀ異常。\r\n本ｿﾌﾄではｻﾎﾟｰﾄされていないﾃﾞｰﾀです。";
    const std::string general = "本体との通信に失敗しました。\r\n通信環境が異常です!";

    auto abort = shown(CommResult::ResultUserAbort);
    EXPECT_EQ(abort.text, "ﾕｰｻﾞによって中断されました。");
    EXPECT_EQ(abort.icon, MessageIcon::Information);

    for (CommResult r :
         {CommResult::ResultBadDump, CommResult::ResultBadReceive, CommResult::ResultBadReply}) {
        auto e = shown(r);
        EXPECT_EQ(e.text, badData);
        EXPECT_EQ(e.icon, MessageIcon::Exclamation);
    }

    auto silent = shown(CommResult::ResultNoResponse);
    EXPECT_EQ(silent.text, "本体からの応答がありません。");
    EXPECT_EQ(silent.icon, MessageIcon::Exclamation);

    auto battery = shown(CommResult::ResultBatteryAlarm);
    EXPECT_EQ(battery.text, "本体からﾊﾞｯﾃﾘｰｱﾗｰﾑを受信しました。\r\n電池を交換して下さい。");
    EXPECT_EQ(battery.icon, MessageIcon::Exclamation);

    for (CommResult r :
         {CommResult::ResultLineError, CommResult::ResultDeviceNg, static_cast<CommResult>(7)}) {
        auto e = shown(r);
        EXPECT_EQ(e.text, general);
        EXPECT_EQ(e.icon, MessageIcon::Critical);
    }
}

} // namespace
} // namespace vestra
