#include "web/WebAccess.h"

#include <gtest/gtest.h>

namespace vestra::web {
namespace {

TEST(WebAccess, CookieHeadersGiveTheNamedValue) {
    const std::pair<std::string_view, std::optional<std::string_view>> cases[] = {
        {"vestra_token=abc", "abc"},
        {"a=1; vestra_token=abc; b=2", "abc"},
        {"a=1;vestra_token = \"abc\" ", "abc"},
        {"x_vestra_token=abc; vestra_tokens=d", std::nullopt},
        {"vestra_token=first; vestra_token=second", "first"},
        {"vestra_token", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [header, value] : cases) {
        EXPECT_EQ(CookieValue(header, "vestra_token"), value) << header;
    }
}

TEST(WebAccess, BearerHeadersGiveTheirToken) {
    EXPECT_EQ(BearerToken("Bearer abc"), "abc");
    EXPECT_EQ(BearerToken("bearer  abc "), "abc");
    EXPECT_EQ(BearerToken("Basic abc"), std::nullopt);
    EXPECT_EQ(BearerToken("Bearer "), std::nullopt);
}

TEST(WebAccess, TokenFilesHoldOneCookieSafeLine) {
    const std::pair<std::string_view, std::optional<std::string>> cases[] = {
        {"0123456789abcdef\n", "0123456789abcdef"},
        {"0123456789abcdef\r\n", "0123456789abcdef"},
        {"0123456789abcde\n", std::nullopt},
        {"0123456789 abcdef", std::nullopt},
        {"0123456789;abcdef", std::nullopt},
        {"0123456789abcdef\n\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, token] : cases) {
        std::string reason;
        EXPECT_EQ(TokenOfFile(text, reason), token) << text;
    }
}

TEST(WebAccess, OnlyTheSameTokenMatches) {
    EXPECT_TRUE(SameToken("0123456789abcdef", "0123456789abcdef"));
    EXPECT_FALSE(SameToken("0123456789abcdef", "0123456789abcdeF"));
    EXPECT_FALSE(SameToken("0123456789abcdef", "0123456789abcde"));
    EXPECT_FALSE(SameToken("0123456789abcdef", ""));
    EXPECT_FALSE(SameToken("", ""));
}

TEST(WebAccess, RepeatedWrongTokensLockTheAddressForAWhile) {
    LoginLimiter limiter;
    auto now = LoginLimiter::Clock::time_point{} + std::chrono::hours(1);
    for (int i = 0; i < LoginLimiter::kMaxFailures; ++i) {
        EXPECT_FALSE(limiter.refused("10.0.0.1", now));
        limiter.failed("10.0.0.1", now);
    }
    EXPECT_TRUE(limiter.refused("10.0.0.1", now));
    EXPECT_FALSE(limiter.refused("10.0.0.2", now));
    EXPECT_TRUE(
        limiter.refused("10.0.0.1", now + LoginLimiter::kLockout - std::chrono::seconds(1)));
    EXPECT_FALSE(limiter.refused("10.0.0.1", now + LoginLimiter::kLockout));
}

TEST(WebAccess, FailuresSpreadBeyondTheWindowDoNotLock) {
    LoginLimiter limiter;
    auto now = LoginLimiter::Clock::time_point{} + std::chrono::hours(1);
    for (int i = 0; i < 2 * LoginLimiter::kMaxFailures; ++i) {
        limiter.failed("10.0.0.1", now + i * LoginLimiter::kWindow / 4);
    }
    EXPECT_FALSE(limiter.refused("10.0.0.1", now + 10 * LoginLimiter::kWindow / 4));
}

} // namespace
} // namespace vestra::web
