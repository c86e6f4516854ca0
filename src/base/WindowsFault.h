#pragma once

#include <string>

namespace vestra {

// Why a system call failed, from its GetLastError number: FileFaultText's words for the faults
// a file or folder meets, the system's own message for the others.
std::string WindowsFaultText(unsigned long error);

} // namespace vestra
