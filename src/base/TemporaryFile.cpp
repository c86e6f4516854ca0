#include "base/TemporaryFile.h"

#include <random>

namespace vestra {
namespace {

std::string randomSuffix() {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string suffix;
    for (std::size_t i = 0; i < kTemporarySuffixLength; ++i) {
        suffix += kLetters[pick(random)];
    }
    return suffix;
}

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

bool allLettersOrDigits(std::string_view text) {
    for (char c : text) {
        bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!letter) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string TemporaryNamePrefix(long pid) {
    return std::string(kTemporaryPrefix) + TemporaryHostPart() + "." + std::to_string(pid) + ".";
}

std::string NewTemporaryName(long pid) {
    return TemporaryNamePrefix(pid) + randomSuffix();
}

// The host part may hold dots; the pid and the suffix are read from the right.
long TemporaryMaker(std::string_view name) {
    if (!name.starts_with(kTemporaryPrefix)) {
        return 0;
    }
    name.remove_prefix(kTemporaryPrefix.size());
    std::size_t suffixDot = name.rfind('.');
    if (suffixDot == std::string_view::npos || suffixDot == 0 ||
        name.size() - suffixDot - 1 != kTemporarySuffixLength ||
        !allLettersOrDigits(name.substr(suffixDot + 1))) {
        return 0;
    }
    std::size_t pidDot = name.rfind('.', suffixDot - 1);
    if (pidDot == std::string_view::npos || pidDot == 0) {
        return 0;
    }
    std::string_view pid = name.substr(pidDot + 1, suffixDot - pidDot - 1);
    if (name.substr(0, pidDot) != TemporaryHostPart() || !allDigits(pid) || pid.size() > 9) {
        return 0;
    }
    return std::stol(std::string(pid));
}

} // namespace vestra
