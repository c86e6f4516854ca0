#include "base/AtomicFile.h"

#include "base/FileReplace.h"
#include "base/OutputPath.h"
#include "base/TemporaryFile.h"

namespace vestra {

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& reason) {
    std::string target;
    if (!ResolveOutputPath(path, target, reason)) {
        return false;
    }
    RemoveStaleTemporaries(ContainingFolder(target));
    return ReplaceWithBytes(target, bytes, reason);
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    std::string reason;
    return WriteFileAtomically(path, bytes, reason);
}

} // namespace vestra
