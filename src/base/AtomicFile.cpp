#include "base/AtomicFile.h"

#include "base/FileReplace.h"
#include "base/OutputPath.h"
#include "base/TemporaryFile.h"

namespace vestra {

Expected<void> WriteFileAtomically(const std::string& path, std::string_view bytes) {
    Expected<std::string> target = ResolveOutputPath(path);
    if (!target) {
        return unexpected(target.error());
    }
    RemoveStaleTemporaries(ContainingFolder(*target));
    return ReplaceWithBytes(*target, bytes);
}

} // namespace vestra
