#include "web/PageCache.h"

namespace vestra::web {
namespace {

std::size_t sizeOf(const std::string& key, const WebResponse& response) {
    std::size_t size = key.size() + response.body.size() + response.contentType.size();
    for (const auto& [name, value] : response.headers) {
        size += name.size() + value.size();
    }
    return size;
}

void append(std::string& key, const std::string& part) {
    key += std::to_string(part.size());
    key += ':';
    key += part;
}

} // namespace

PageCache::PageCache(std::size_t budget, std::chrono::seconds freshFor)
    : budget_(budget), freshFor_(freshFor) {}

std::optional<WebResponse> PageCache::find(const std::string& key, const std::string& revision,
                                           Clock::time_point now) {
    std::shared_ptr<const WebResponse> found;
    {
        std::lock_guard lock(mutex_);
        auto entry = entries_.find(key);
        if (entry == entries_.end()) {
            return std::nullopt;
        }
        if (entry->second.revision != revision || now - entry->second.madeAt > freshFor_) {
            drop(entry);
            return std::nullopt;
        }
        uses_.splice(uses_.begin(), uses_, entry->second.use);
        found = entry->second.response;
    }
    return *found; // copied outside the lock: a tag page is some hundred kilobytes
}

void PageCache::keep(const std::string& key, const std::string& revision,
                     const WebResponse& response, Clock::time_point now) {
    std::size_t size = sizeOf(key, response);
    if (size > budget_) {
        return;
    }
    auto kept = std::make_shared<const WebResponse>(response);
    std::lock_guard lock(mutex_);
    if (auto old = entries_.find(key); old != entries_.end()) {
        drop(old);
    }
    while (bytes_ + size > budget_ && !uses_.empty()) {
        drop(entries_.find(uses_.back()));
    }
    uses_.push_front(key);
    entries_.emplace(key, Entry{revision, now, std::move(kept), size, uses_.begin()});
    bytes_ += size;
}

void PageCache::drop(std::unordered_map<std::string, Entry>::iterator entry) {
    bytes_ -= entry->second.size;
    uses_.erase(entry->second.use);
    entries_.erase(entry);
}

std::string PageKey(const std::string& path, const std::map<std::string, std::string>& params) {
    std::string key;
    append(key, path);
    for (const auto& [name, value] : params) {
        append(key, name);
        append(key, value);
    }
    return key;
}

} // namespace vestra::web
