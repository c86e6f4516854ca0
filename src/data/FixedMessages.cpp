#include "data/FixedMessages.h"

namespace vestra {

void ShowNotSupported(MessageSink& messages) {
    messages.showMessage("デバッグ中です！\r\nまだその機能はサポートされていません。",
                         MessageIcon::Critical);
}

void ShowInputError(MessageSink& messages) {
    messages.showMessage("入力に誤りがあります！", MessageIcon::Exclamation);
}

} // namespace vestra
