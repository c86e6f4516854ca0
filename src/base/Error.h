#pragma once

#include <string>

namespace vestra {

// A failure as the user is told it: the path and the reason, or the database and what it said.
// Callers show the text and decide by where it came from, never by its words.
struct Error {
    std::string text;
};

} // namespace vestra
