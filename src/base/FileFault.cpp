#include "base/FileFault.h"

#include "base/VisibleText.h"

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
    case EBADF:
        return "ファイル記述子が閉じられているか無効です";
    case EPIPE:
        return "読み手のいないパイプです";
    case EINTR:
        return "シグナルで中断されました";
    case EAGAIN:
        return "一時的に使用できません";
    case EMFILE:
        return "このプログラムが開いているファイルが多すぎます";
    case ENFILE:
        return "システム全体で開いているファイルが多すぎます";
    case ETXTBSY:
        return "実行中のプログラムのファイルです";
    case EEXIST:
        return "同じ名前のファイルまたはフォルダがあります";
    case EXDEV:
        return "別のファイルシステムをまたいでいます";
    case ENODEV:
        return "デバイスがありません";
    case ENXIO:
        return "デバイスまたはアドレスがありません";
    case EOVERFLOW:
        return "値が大きすぎて扱えません";
    case ENOTEMPTY:
        return "フォルダが空ではありません";
    case EBUSY:
        return "使用中です";
    case ECONNREFUSED:
        return "接続が拒否されました";
    case ETIMEDOUT:
        return "時間内に応答がありません";
    case EINVAL:
        return "引数が無効です";
    case ENOMEM:
        return "メモリが足りません";
    default:
        // Numbers no file operation of the program meets: the C library's words.
        return std::strerror(error);
    }
}

std::string FileFaultLine(const std::string& path, const std::string& reason) {
    return VisibleText(path) + ": " + reason;
}

} // namespace vestra
