#pragma once

#include <cstddef>
#include <string>

namespace vestra {

struct GroupSetting;

enum class AlarmMark { None, High, Low };

// Above the high limit is "high", below the low limit "low"; a value on a limit is neither.
AlarmMark AlarmMarkOf(float value, const GroupSetting& group);

// The mark as every output writes it: "high", "low" or nothing, padded with blanks to width
// (the text and printed reports use 4, so that the remark column after it stays in place).
std::string AlarmMarkText(AlarmMark mark, std::size_t width = 0);

} // namespace vestra
