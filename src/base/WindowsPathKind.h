#pragma once

#include <string>

namespace vestra {

// What a name leads to, looked at without opening it: opening a serial port would already raise
// its lines. A device is a name the system maps to the device namespace (NUL, COM1, CON, also
// with a folder or an extension before Windows 11, and \\.\ names).
enum class PathKind { Missing, RegularFile, Folder, ReparsePoint, Device, Unreadable };

struct PathLook {
    PathKind kind;
    // The GetLastError code for Missing and Unreadable.
    unsigned long error = 0;
};

PathLook LookAtPath(const std::wstring& path);

} // namespace vestra
