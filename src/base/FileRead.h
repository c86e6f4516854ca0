#pragma once

#include "base/Expected.h"

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace vestra {

// What a bounded read found.
struct FileContents {
    std::string bytes;
    // False when the file holds more than the bytes read.
    bool whole = true;
};

// Reads a regular file, at most maxBytes of it. Anything else at path (a FIFO, a device, a
// folder) is refused at once without waiting for a writer, so that a wrong name can never
// hang the program. The error's text says why when the file cannot be read.
Expected<FileContents> ReadRegularFile(const std::string& path, std::size_t maxBytes);

// The same bound for what arrives on an open descriptor (standard input).
Expected<FileContents> ReadDescriptor(int fd, std::size_t maxBytes);

// For the platforms' read loops: adds one piece read to contents, up to maxBytes in all. False
// once the piece holds more than fits (contents.whole is then false): no further read is needed.
bool TakePiece(FileContents& contents, std::string_view piece, std::size_t maxBytes);

inline constexpr std::size_t kWholeFile = std::numeric_limits<std::size_t>::max();

} // namespace vestra
