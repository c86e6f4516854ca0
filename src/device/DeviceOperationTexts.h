#pragma once

#include <string>

namespace vestra {

// What the user is told when an operation on the thermometer has succeeded.

// "正常終了。" and how many readings were taken in, or that the thermometer held none; the two
// lines joined by CR LF.
std::string ImportCompletedText(int totalCount);
std::string ClearCompletedText();
std::string ResetCompletedText();
std::string ClockSetCompletedText();

} // namespace vestra
