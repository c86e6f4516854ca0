#include "serial/PortOpenReason.h"

#include "base/VisibleText.h"

namespace vestra {

std::string PortMissingReason(const std::string& port) {
    return port + " が見つかりません。";
}

// Serial devices belong to a group (dialout on Debian); only its members may open them. A user
// added to it keeps the old groups until the next login.
std::string PortPermissionReason(const std::string& port, const std::string& group,
                                 bool memberNow) {
    std::string text = port + " を使う権限がありません。";
    if (group.empty() || memberNow) {
        return text;
    }
    return text + group + " ｸﾞﾙｰﾌﾟに参加して下さい (参加直後はﾛｸﾞｲﾝし直して下さい)。";
}

std::string PortBusyReason(const std::string& port, const PortHolder& holder) {
    if (holder.pid == 0) {
        return port + " は他のﾌﾟﾛｸﾞﾗﾑが使用中です。";
    }
    std::string who = holder.program.empty() ? "" : holder.program + ", ";
    return port + " は他のﾌﾟﾛｸﾞﾗﾑ (" + who + "PID " + std::to_string(holder.pid) +
           ") が使用中です。";
}

std::string PortStaleLockReason(const std::string& port, const PortHolder& holder) {
    return port + " のﾛｯｸﾌｧｲﾙ " + holder.staleLock + " (所有者 " + holder.staleLockOwner +
           ") が残っています。そのﾌﾟﾛｸﾞﾗﾑは終了しています。所有者か root が削除して下さい: sudo "
           "rm " +
           holder.staleLock;
}

// Anyone may plant a FIFO or a link in a shared lock folder; its name may hold any byte.
std::string PortUnusableLockReason(const std::string& port, const PortHolder& holder) {
    return VisibleText(port) + " のﾛｯｸﾌｧｲﾙ " + VisibleText(holder.unusableLock) +
           " は通常のﾌｧｲﾙではありません。ｼﾘｱﾙﾎﾟｰﾄのﾛｯｸﾌｧｲﾙではないので、所有者か root "
           "が確かめて削除して下さい。";
}

std::string PortNotSerialReason(const std::string& port) {
    return port + " はｼﾘｱﾙﾎﾟｰﾄではありません。";
}

std::string PortOtherReason(const std::string& port, const std::string& detail) {
    return port + ": " + detail;
}

} // namespace vestra
