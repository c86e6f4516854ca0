#include "device/CommCtl.h"

#include <string>

namespace vestra {

bool OpenCommPort(SerialPort& port, CommState& state, MessageSink& messages) {
    std::string reason;
    bool opened = port.open(reason);
    if (!opened) {
        std::string text = "選択されている通信ﾎﾟｰﾄは使用できません。\r\n"
                           "別ﾎﾟｰﾄを選択して下さい。";
        if (!reason.empty()) {
            text += "\r\n" + reason;
        }
        messages.showMessage(text, MessageIcon::Exclamation);
    } else {
        port.setDtr(true);
        port.setRts(true);
    }
    state.LastResult = CommResult::ResultOk;
    return opened;
}

void CloseCommPort(SerialPort& port) {
    if (!port.isOpen()) {
        return;
    }
    port.close();
    port.setDtr(false);
    port.setRts(false);
}

} // namespace vestra
