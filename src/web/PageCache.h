#pragma once

#include "web/WebExchange.h"

#include <chrono>
#include <cstddef>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

namespace vestra::web {

// Whole answers of the history's pages and documents kept between requests, shared by the
// workers: a tag page of a thousand readings takes milliseconds to read and write, the
// overview of two thousand lines far more, while a team mostly asks for the same few pages
// between two data sets. An answer is given again only at the history's revision it was made
// at and for at most freshFor (so that an annotation changed in place shows within that time),
// and the answers kept stay within a byte budget, the least recently used leaving first: a
// client asking for ever new filters costs what it would cost without the cache, and no more
// memory.
class PageCache {
public:
    using Clock = std::chrono::steady_clock;

    explicit PageCache(std::size_t budget = kBudget,
                       std::chrono::seconds freshFor = std::chrono::seconds(30));

    std::optional<WebResponse> find(const std::string& key, const std::string& revision,
                                    Clock::time_point now);
    void keep(const std::string& key, const std::string& revision, const WebResponse& response,
              Clock::time_point now);

    static constexpr std::size_t kBudget = std::size_t{64} << 20;

private:
    struct Entry {
        std::string revision;
        Clock::time_point madeAt;
        std::shared_ptr<const WebResponse> response;
        std::size_t size = 0;
        std::list<std::string>::iterator use;
    };
    void drop(std::unordered_map<std::string, Entry>::iterator entry);

    std::mutex mutex_;
    std::size_t budget_;
    std::chrono::seconds freshFor_;
    std::size_t bytes_ = 0;
    std::unordered_map<std::string, Entry> entries_;
    std::list<std::string> uses_; // the most recently used first
};

// The key of a request's answer: its path and every parameter, each with its length, so that
// no two requests share one.
std::string PageKey(const std::string& path, const std::map<std::string, std::string>& params);

} // namespace vestra::web
