#include "device/DeviceOperationTexts.h"

namespace vestra {

std::string ImportCompletedText(int totalCount) {
    std::string text = "正常終了。\r\n";
    if (totalCount == 0) {
        return text + "本体に収録されているﾒﾓﾘﾃﾞｰﾀはありませんでした。";
    }
    return text + "全部で" + std::to_string(totalCount) + "件のﾒﾓﾘﾃﾞｰﾀを取り込みました。";
}

std::string ClearCompletedText() {
    return "本体ﾒﾓﾘの消去を完了しました。";
}

std::string ResetCompletedText() {
    return "本体を工場出荷状態に戻しました。";
}

std::string ClockSetCompletedText() {
    return "本体時計の設定を完了しました。";
}

} // namespace vestra
