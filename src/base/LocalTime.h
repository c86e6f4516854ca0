#pragma once

#include <ctime>

namespace vestra {

// The calendar time of t in the user's time zone, thread-safe (PosixLocalTime: localtime_r;
// WindowsLocalTime: localtime_s).
std::tm LocalTime(std::time_t t);

} // namespace vestra
