#include "web/PageCache.h"

#include <gtest/gtest.h>

namespace vestra::web {
namespace {

using namespace std::chrono_literals;
using Clock = PageCache::Clock;

WebResponse page(const std::string& body) {
    return Answer(200, "text/html", body);
}

// An answer is given again only at its revision and while fresh.
TEST(PageCache, AnAnswerIsGivenAgainAtItsRevisionWhileFresh) {
    const Clock::time_point made{};
    const std::tuple<const char*, std::string, Clock::duration, bool> cases[] = {
        {"same revision, at once", "10 10", 0s, true},
        {"same revision, just fresh", "10 10", 30s, true},
        {"same revision, too old", "10 10", 31s, false},
        {"a data set added", "11 11", 0s, false},
        {"a data set removed and another added", "10 11", 0s, false},
    };
    for (const auto& [name, revision, later, kept] : cases) {
        PageCache cache(1 << 20, 30s);
        cache.keep("k", "10 10", page("body"), made);
        std::optional<WebResponse> found = cache.find("k", revision, made + later);
        EXPECT_EQ(found.has_value(), kept) << name;
        if (kept && found) {
            EXPECT_EQ(found->body, "body") << name;
        }
        // A stale answer is gone, whatever revision is asked next.
        EXPECT_EQ(cache.find("k", "10 10", made).has_value(), kept) << name;
    }
}

TEST(PageCache, TheLeastRecentlyUsedLeaveToStayWithinTheBudget) {
    const Clock::time_point now{};
    std::string kilobyte(1000, 'x');
    PageCache cache(3500, 30s);
    cache.keep("a", "r", page(kilobyte), now);
    cache.keep("b", "r", page(kilobyte), now);
    cache.keep("c", "r", page(kilobyte), now);
    ASSERT_TRUE(cache.find("a", "r", now)); // a is now used more recently than b
    cache.keep("d", "r", page(kilobyte), now);
    EXPECT_TRUE(cache.find("a", "r", now));
    EXPECT_FALSE(cache.find("b", "r", now));
    EXPECT_TRUE(cache.find("c", "r", now));
    EXPECT_TRUE(cache.find("d", "r", now));
    // An answer larger than the whole budget is not kept and pushes nothing out.
    cache.keep("huge", "r", page(std::string(4000, 'y')), now);
    EXPECT_FALSE(cache.find("huge", "r", now));
    EXPECT_TRUE(cache.find("a", "r", now));
}

TEST(PageCache, NoTwoRequestsShareAKey) {
    const std::pair<std::map<std::string, std::string>, std::map<std::string, std::string>>
        pairs[] = {
            {{{"name", "A&unit=C"}}, {{"name", "A"}, {"unit", "C"}}},
            {{{"q", "1:a"}}, {{"q1", ":a"}}},
            {{{"name", "A"}}, {{"name", "A"}, {"sort", ""}}},
        };
    for (const auto& [one, other] : pairs) {
        EXPECT_NE(PageKey("/tag", one), PageKey("/tag", other));
    }
    EXPECT_NE(PageKey("/tag", {}), PageKey("/object", {}));
}

} // namespace
} // namespace vestra::web
