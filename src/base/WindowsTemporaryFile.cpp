#include "base/FileFunc.h"
#include "base/TemporaryFile.h"
#include "base/WindowsText.h"

#include <vector>
// aclapi.h needs the types windows.h declares before it.
// clang-format off
#include <windows.h>
#include <aclapi.h>
// clang-format on

namespace vestra {
namespace {

// FILETIME counts 100 ns steps.
constexpr ULONGLONG kFileTimeSecond = 10'000'000;

// A process handle may outlive its process; such a process has ended too.
bool processGone(long pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (process == nullptr) {
        // Another user's process may be refused (ERROR_ACCESS_DENIED): it still runs.
        return GetLastError() == ERROR_INVALID_PARAMETER;
    }
    DWORD code = 0;
    bool ended = GetExitCodeProcess(process, &code) && code != STILL_ACTIVE;
    CloseHandle(process);
    return ended;
}

// The owners a file this process made may have: the user, or the default owner its token gives
// what it makes (for an administrator the Administrators group).
class OwnOwners {
public:
    OwnOwners() {
        HANDLE token = nullptr;
        if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
            user_ = information(token, TokenUser);
            owner_ = information(token, TokenOwner);
            CloseHandle(token);
        }
    }

    bool include(PSID sid) const {
        return (!user_.empty() &&
                EqualSid(sid, reinterpret_cast<const TOKEN_USER*>(user_.data())->User.Sid)) ||
               (!owner_.empty() &&
                EqualSid(sid, reinterpret_cast<const TOKEN_OWNER*>(owner_.data())->Owner));
    }

private:
    static std::vector<BYTE> information(HANDLE token, TOKEN_INFORMATION_CLASS kind) {
        DWORD size = 0;
        GetTokenInformation(token, kind, nullptr, 0, &size);
        std::vector<BYTE> bytes(size);
        if (size == 0 || !GetTokenInformation(token, kind, bytes.data(), size, &size)) {
            bytes.clear();
        }
        return bytes;
    }

    std::vector<BYTE> user_;
    std::vector<BYTE> owner_;
};

bool ownedBy(const std::wstring& path, const OwnOwners& owners) {
    PSID fileOwner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &fileOwner,
                              nullptr, nullptr, nullptr, &descriptor) != ERROR_SUCCESS) {
        return false;
    }
    bool same = fileOwner != nullptr && owners.include(fileOwner);
    LocalFree(descriptor);
    return same;
}

ULONGLONG fileTimeValue(const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

} // namespace

// Windows computer names hold neither '\' nor '/'.
std::string TemporaryHostPart() {
    std::wstring name(MAX_COMPUTERNAME_LENGTH + 1, L'\0');
    DWORD length = static_cast<DWORD>(name.size());
    if (!GetComputerNameExW(ComputerNameDnsHostname, name.data(), &length) || length == 0) {
        return "localhost";
    }
    name.resize(length);
    return Utf8Path(name);
}

void RemoveStaleTemporaries(const std::string& folder) {
    std::wstring wideFolder = WidePath(folder + kPathSeparator);
    WIN32_FIND_DATAW entry{};
    HANDLE find = FindFirstFileExW((wideFolder + L".vestra-tmp.*").c_str(), FindExInfoBasic, &entry,
                                   FindExSearchNameMatch, nullptr, 0);
    if (find == INVALID_HANDLE_VALUE) {
        return;
    }
    OwnOwners owners;
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    ULONGLONG limit = fileTimeValue(now) - kStaleTemporarySeconds * kFileTimeSecond;
    do {
        std::wstring path = wideFolder + entry.cFileName;
        long pid = TemporaryMaker(Utf8Path(entry.cFileName));
        bool plain = (entry.dwFileAttributes &
                      (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
        if (pid > 0 && plain && fileTimeValue(entry.ftLastWriteTime) < limit &&
            ownedBy(path, owners) && processGone(pid)) {
            DeleteFileW(path.c_str());
        }
    } while (FindNextFileW(find, &entry));
    FindClose(find);
}

} // namespace vestra
