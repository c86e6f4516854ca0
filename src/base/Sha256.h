#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vestra {

// A SHA-256 digest (FIPS 180-4). Each platform computes it with a maintained library of its
// own (PosixSha256, WindowsSha256); the bytes are the same everywhere.
struct Sha256Digest {
    std::array<std::uint8_t, 32> bytes{};

    bool operator==(const Sha256Digest&) const = default;
};

Sha256Digest Sha256(std::string_view bytes);

// The digest as 64 lower-case hex digits, first byte first: the form of a key stored as text
// and of sha256sum's output.
std::string HexText(const Sha256Digest& digest);

} // namespace vestra
