#include "base/Sha256.h"

namespace vestra {

std::string HexText(const Sha256Digest& digest) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(2 * digest.bytes.size());
    for (std::uint8_t byte : digest.bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0xf];
    }
    return text;
}

} // namespace vestra
