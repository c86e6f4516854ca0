#include "base/FileFunc.h"
#include "base/StartFolder.h"
#include "base/WindowsKnownFolder.h"
#include "base/WindowsText.h"

namespace vestra {
namespace {

// Whether this user may make a file in the folder. The read-only attribute that _waccess reads
// says nothing of a folder's rights (Program Files has none and is closed to users), so a file
// is made there and removed again as its handle closes.
bool mayWriteIn(const std::string& folder) {
    std::string probe =
        folder + kPathSeparator + ".vestra-write-probe-" + std::to_string(GetCurrentProcessId());
    HANDLE file = CreateFileW(WidePath(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}

} // namespace

// The documents folder is the user's Documents known folder (wherever it is redirected), else
// the profile folder; the start folder is never the current folder.
StartFolders CurrentStartFolders() {
    std::string program = ProgramFolder();
    std::optional<std::string> documents = KnownFolderPath(FOLDERID_Documents);
    if (!documents) {
        documents = KnownFolderPath(FOLDERID_Profile);
    }
    return {program, mayWriteIn(program), documents.value_or(program)};
}

} // namespace vestra
