#include "device/CommResultMessages.h"

namespace vestra {

void ShowCommResult(MessageSink& messages, CommResult result) {
    switch (result) {
    case CommResult::ResultUserAbort:
        messages.showMessage("ﾕｰｻﾞによって中断されました。", MessageIcon::Information);
        return;
    case CommResult::ResultBadDump:
    case CommResult::ResultBadReceive:
    case CommResult::ResultBadReply:
        messages.showMessage("受信ﾃﾞｰﾀ異常。\r\n本ｿﾌﾄではｻﾎﾟｰﾄされていないﾃﾞｰﾀです。",
                             MessageIcon::Exclamation);
        return;
    case CommResult::ResultNoResponse:
        messages.showMessage("本体からの応答がありません。", MessageIcon::Exclamation);
        return;
    case CommResult::ResultBatteryAlarm:
        messages.showMessage("本体からﾊﾞｯﾃﾘｰｱﾗｰﾑを受信しました。\r\n電池を交換して下さい。",
                             MessageIcon::Exclamation);
        return;
    default:
        messages.showMessage("本体との通信に失敗しました。\r\n通信環境が異常です!",
                             MessageIcon::Critical);
        return;
    }
}

} // namespace vestra
