#include "base/FileFault.h"

#include <cerrno>
#include <cstring>

namespace vestra {

std::string FileFaultText(int error) {
    switch (error) {
    case ENOENT:
        return "ファイルまたはフォルダがありません";
    case EACCES:
    case EPERM:
        return "アクセス権がありません";
    case ENOSPC:
#ifdef EDQUOT // quotas are a POSIX file system's; Windows reports a full quota as ENOSPC
    case EDQUOT:
#endif
        return "ディスクの空きがありません";
    case EROFS:
        return "読み取り専用の場所です";
    case EISDIR:
        return "フォルダです";
    case ENOTDIR:
        return "途中の名前がフォルダではありません";
    case ENAMETOOLONG:
        return "名前が長すぎます";
    case ELOOP:
        return "シンボリックリンクが循環しています";
    case EFBIG:
        return kFileTooLarge;
    case EIO:
        return "入出力エラーです";
    default:
        return std::strerror(error);
    }
}

std::string FileFaultLine(const std::string& path, const std::string& reason) {
    return path + ": " + reason;
}

} // namespace vestra
