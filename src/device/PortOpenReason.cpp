#include "device/PortOpenReason.h"

namespace vestra {

std::string PortMissingReason(const std::string& port) {
    return port + " が見つかりません。";
}

// On Linux the serial devices belong to the group dialout; that is nearly always the cause.
std::string PortPermissionReason(const std::string& port) {
    return port + " を使う権限がありません。dialout ｸﾞﾙｰﾌﾟに参加して下さい。";
}

std::string PortBusyReason(const std::string& port) {
    return port + " は他のﾌﾟﾛｸﾞﾗﾑが使用中です。";
}

std::string PortNotSerialReason(const std::string& port) {
    return port + " はｼﾘｱﾙﾎﾟｰﾄではありません。";
}

std::string PortOtherReason(const std::string& port, const std::string& detail) {
    return port + ": " + detail;
}

} // namespace vestra
