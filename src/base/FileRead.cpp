#include "base/FileRead.h"

#include <algorithm>

namespace vestra {

bool TakePiece(FileContents& contents, std::string_view piece, std::size_t maxBytes) {
    std::size_t room = maxBytes - contents.bytes.size();
    contents.bytes.append(piece.substr(0, std::min(room, piece.size())));
    if (piece.size() > room) {
        contents.whole = false;
        return false;
    }
    return true;
}

} // namespace vestra
