#include "web/WebAccess.h"

#include <algorithm>

namespace vestra::web {
namespace {

constexpr std::size_t kShortestToken = 16;

bool tokenCharacter(char c) {
    return c > ' ' && c < 0x7F && c != '"' && c != ',' && c != ';' && c != '\\';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

std::optional<std::string> TokenOfFile(std::string_view text, std::string& reason) {
    if (text.ends_with('\n')) {
        text.remove_suffix(1);
    }
    if (text.ends_with('\r')) {
        text.remove_suffix(1);
    }
    if (!std::all_of(text.begin(), text.end(), tokenCharacter)) {
        reason = "the token file must hold one line of printable ASCII without blanks, quotes, "
                 "commas, semicolons or backslashes";
        return std::nullopt;
    }
    if (text.size() < kShortestToken) {
        reason = "the token must be at least " + std::to_string(kShortestToken) + " characters";
        return std::nullopt;
    }
    return std::string(text);
}

bool SameToken(std::string_view expected, std::string_view given) {
    unsigned char difference = expected.size() == given.size() ? 0 : 1;
    for (std::size_t i = 0; i < given.size(); ++i) {
        char e = expected.empty() ? '\0' : expected[i % expected.size()];
        difference |= static_cast<unsigned char>(e ^ given[i]);
    }
    return difference == 0 && !expected.empty();
}

std::optional<std::string_view> CookieValue(std::string_view header, std::string_view name) {
    while (!header.empty()) {
        std::size_t end = header.find(';');
        std::string_view pair = trimmed(header.substr(0, end));
        header = end == std::string_view::npos ? std::string_view() : header.substr(end + 1);
        std::size_t equals = pair.find('=');
        if (equals != std::string_view::npos && trimmed(pair.substr(0, equals)) == name) {
            std::string_view value = trimmed(pair.substr(equals + 1));
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
                value = value.substr(1, value.size() - 2);
            }
            return value;
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> BearerToken(std::string_view header) {
    constexpr std::string_view kScheme = "Bearer ";
    if (header.size() <= kScheme.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < kScheme.size(); ++i) {
        char c = header[i];
        char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        char expected = kScheme[i];
        char expectedLower =
            expected >= 'A' && expected <= 'Z' ? static_cast<char>(expected - 'A' + 'a') : expected;
        if (lower != expectedLower) {
            return std::nullopt;
        }
    }
    return trimmed(header.substr(kScheme.size()));
}

bool LoginLimiter::refused(const std::string& address, Clock::time_point now) {
    std::lock_guard lock(mutex_);
    auto found = records_.find(address);
    if (found == records_.end()) {
        return false;
    }
    const Record& r = found->second;
    if (r.failures >= kMaxFailures) {
        if (now - r.last < kLockout) {
            return true;
        }
        records_.erase(found);
    }
    return false;
}

void LoginLimiter::failed(const std::string& address, Clock::time_point now) {
    std::lock_guard lock(mutex_);
    auto found = records_.find(address);
    if (found == records_.end()) {
        makeRoom();
        records_[address] = {1, now, now};
        return;
    }
    Record& r = found->second;
    if (now - r.first >= kWindow && r.failures < kMaxFailures) {
        r = {0, now, now};
    }
    r.failures += 1;
    r.last = now;
}

void LoginLimiter::succeeded(const std::string& address) {
    std::lock_guard lock(mutex_);
    records_.erase(address);
}

void LoginLimiter::makeRoom() {
    if (records_.size() < kMaxAddresses) {
        return;
    }
    auto oldest =
        std::min_element(records_.begin(), records_.end(), [](const auto& a, const auto& b) {
            return a.second.last < b.second.last;
        });
    records_.erase(oldest);
}

} // namespace vestra::web
