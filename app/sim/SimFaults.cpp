#include "SimFaults.h"

#include <charconv>
#include <vector>

namespace vestra::sim {

namespace {

// A thermometer line at 4800 baud takes a few milliseconds; a minute of pause is surely a typo.
constexpr int kMaxPauseMs = 60000;
constexpr int kDefaultSlowMs = 1500;
constexpr int kDefaultLongLine = 31;

std::vector<std::string_view> SplitColons(std::string_view text) {
    std::vector<std::string_view> parts;
    for (;;) {
        std::size_t colon = text.find(':');
        parts.push_back(text.substr(0, colon));
        if (colon == std::string_view::npos) {
            return parts;
        }
        text.remove_prefix(colon + 1);
    }
}

bool ParseCount(std::string_view text, int low, int high, int& out) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        return false;
    }
    out = value;
    return true;
}

// The optional numbers after the name; each keeps its default when absent.
bool ParseArguments(const std::vector<std::string_view>& parts, std::vector<int*> targets, int low,
                    int high) {
    if (parts.size() > targets.size() + 1) {
        return false;
    }
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (!ParseCount(parts[i], low, high, *targets[i - 1])) {
            return false;
        }
    }
    return true;
}

bool AddReplaced(SimFaults& faults, const std::vector<std::string_view>& parts,
                 std::string_view reply) {
    ReplacedReply replaced{std::string(reply), 1};
    if (!ParseArguments(parts, {&replaced.at}, 0, 1000)) {
        return false;
    }
    faults.replaced = replaced;
    return true;
}

} // namespace

bool AddFault(SimFaults& faults, std::string_view option) {
    std::vector<std::string_view> parts = SplitColons(option);
    std::string_view name = parts[0];
    if (name == "silent") {
        faults.silent = true;
        return parts.size() == 1;
    }
    if (name == "ng1" || name == "ng3") {
        return AddReplaced(faults, parts, name == "ng1" ? "NG1" : "NG3");
    }
    if (name == "garbage") {
        return AddReplaced(faults, parts, kGarbageReply);
    }
    if (name == "slow") {
        faults.slowMs = kDefaultSlowMs;
        return ParseArguments(parts, {&faults.slowMs, &faults.slowPieces}, 1, kMaxPauseMs);
    }
    if (name == "long-line") {
        faults.longLine = kDefaultLongLine;
        return ParseArguments(parts, {&faults.longLine}, 1, 1000);
    }
    if (name == "cut" && parts.size() == 2) {
        return ParseCount(parts[1], 0, 100000, faults.cutAfter);
    }
    return false;
}

} // namespace vestra::sim
