#include "SimCommands.h"

#include "data/ValueChecks.h"

#include <cctype>
#include <charconv>

namespace vestra::sim {

namespace {

template <typename Number> bool ParseNumber(const std::string& text, Number& out) {
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, out);
    return error == std::errc() && stop == end;
}

} // namespace

std::vector<std::string> TakeLines(std::string& pending) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = pending.find('\n', start)) != std::string::npos; start = end + 1) {
        std::size_t length = end - start;
        if (length > 0 && pending[end - 1] == '\r') {
            --length;
        }
        lines.push_back(pending.substr(start, length));
    }
    pending.erase(0, start);
    return lines;
}

std::vector<std::string> SplitCommand(std::string_view line) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < line.size()) {
        std::size_t start = line.find_first_not_of(" \t", at);
        if (start == std::string_view::npos) {
            break;
        }
        std::size_t end = line.find_first_of(" \t", start);
        words.emplace_back(line.substr(start, end == std::string_view::npos ? end : end - start));
        at = end == std::string_view::npos ? line.size() : end;
    }
    if (!words.empty()) {
        for (char& c : words[0]) {
            c = char(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    return words;
}

ClockCommand CheckClock(const std::vector<std::string>& words) {
    if (words.size() != 3) {
        return {"NG2", {}};
    }
    std::optional<DateTime> time = ParseDateTime(words[1] + " " + words[2]);
    if (!time) {
        return {"NG2", {}};
    }
    if (!IsValidYear(time->year)) {
        return {"NG3", {}};
    }
    return {"", *time};
}

LabelCommand CheckLabel(const std::vector<std::string>& words) {
    if (words.size() != 2) {
        return {"NG2", {}};
    }
    if (!IsValidLabel(words[1])) {
        return {"NG3", {}};
    }
    return {"", words[1]};
}

GroupCommand CheckGroup(const std::vector<std::string>& words, const SimUnit& unit) {
    GroupCommand set;
    if (words.size() != 6 || !ParseNumber(words[1], set.group) ||
        !ParseNumber(words[3], set.emissivity) || !ParseNumber(words[4], set.high) ||
        !ParseNumber(words[5], set.low)) {
        set.reply = "NG2";
    } else if (set.group < 1 || set.group > kGroupCount || !IsValidTag(words[2])) {
        set.reply = "NG3";
    } else if (!IsValidEmissivity(set.emissivity)) {
        set.reply = "NG4";
    } else if (!IsValidAlarm(set.high, unit.unit()) || !IsValidAlarm(set.low, unit.unit()) ||
               set.low >= set.high) {
        set.reply = "NG5";
    } else {
        set.tag = words[2];
    }
    return set;
}

} // namespace vestra::sim
