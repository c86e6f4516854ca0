#include "device/PortNames.h"

#include "device/DumpFields.h"

#include <cerrno>

namespace vestra {

std::string PortDeviceName(int portNumber, const PortEntries& entries) {
    std::string key = "COM" + std::to_string(portNumber);
    for (const auto& [name, device] : entries) {
        std::string_view trimmed = dumpfields::TrimBlanks(name);
        if (trimmed.size() == key.size() && dumpfields::StartsWithKeyword(trimmed, key)) {
            std::string_view path = dumpfields::TrimBlanks(device);
            if (!path.empty()) {
                return std::string(path);
            }
        }
    }
    return "/dev/ttyS" + std::to_string(portNumber - 1);
}

PortFailure PortFailureFromErrno(int error) {
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return PortFailure::NoDevice;
    case EACCES:
    case EPERM:
        return PortFailure::NoPermission;
    case EBUSY:
        return PortFailure::Busy;
    default:
        return PortFailure::Other;
    }
}

std::string DescribePortFailure(PortFailure failure, std::string_view device) {
    std::string text(device);
    switch (failure) {
    case PortFailure::NoDevice:
        return text + " がありません。";
    case PortFailure::NoPermission:
        // Serial devices belong to the group dialout; a user outside it may not open them.
        return text + " を使う権限がありません。ﾕｰｻﾞを dialout ｸﾞﾙｰﾌﾟに加えて下さい。";
    case PortFailure::Busy:
        return text + " は他のﾌﾟﾛｸﾞﾗﾑが使用中です。";
    case PortFailure::Other:
        break;
    }
    return text + " を開けません。";
}

} // namespace vestra
