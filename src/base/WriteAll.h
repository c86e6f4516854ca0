#pragma once

#include <string_view>

namespace vestra {

// Writes every byte to the descriptor, again after a signal and after a short write. False with
// errno telling why at the first failure; a write that takes nothing counts as a full disk.
bool WriteAll(int fd, std::string_view bytes);

} // namespace vestra
