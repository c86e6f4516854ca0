#pragma once

#include <chrono>
#include <cstddef>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace vestra::web {

// The shared secret of the team, as the token file holds it: one line of printable ASCII
// without blanks, quotes, commas, semicolons or backslashes (so that it travels unchanged in a
// cookie and a bearer header), at least 16 characters. The line's end is dropped. Empty with
// the reason when the file's text is no such token.
std::optional<std::string> TokenOfFile(std::string_view text, std::string& reason);

// Compares in a time that depends on the lengths only, so that the answer's timing tells an
// attacker nothing about how much of a guess was right.
bool SameToken(std::string_view expected, std::string_view given);

// The value of the cookie name in a Cookie request header ("a=1; b=2"); the first one wins.
std::optional<std::string_view> CookieValue(std::string_view header, std::string_view name);

// The token of an "Authorization: Bearer TOKEN" header.
std::optional<std::string_view> BearerToken(std::string_view header);

// Wrong tokens per client address: after kMaxFailures within kWindow, the address is refused
// for kLockout from the last failure. The answer is immediate (no worker sleeps); the table is
// bounded, the oldest address giving way, so that a flood of addresses cannot fill memory.
class LoginLimiter {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int kMaxFailures = 5;
    static constexpr std::chrono::minutes kWindow{10};
    static constexpr std::chrono::minutes kLockout{10};
    static constexpr std::size_t kMaxAddresses = 10000;

    bool refused(const std::string& address, Clock::time_point now);
    void failed(const std::string& address, Clock::time_point now);
    void succeeded(const std::string& address);

private:
    struct Record {
        int failures = 0;
        Clock::time_point first;
        Clock::time_point last;
    };
    void makeRoom();

    std::mutex mutex_;
    std::map<std::string, Record> records_;
};

} // namespace vestra::web
