#pragma once

#include "history/HistoryStore.h"
#include "web/Overview.h"
#include "web/PageCache.h"
#include "web/WebAccess.h"
#include "web/WebExchange.h"

#include <optional>
#include <string>

namespace vestra::web {

// Where the site takes its history from for a request: each worker has its own connection,
// opened again after it failed (a file that disappeared, a server that restarted).
class StoreAccess {
public:
    virtual ~StoreAccess() = default;
    // The worker's store, or the error when the database cannot be opened.
    virtual Expected<history::HistoryStore*> store() = 0;
    // The connection failed: the next request opens it again.
    virtual void lost() = 0;
};

struct WebOptions {
    std::string basePath; // "" or "/PREFIX" without a final slash
    float rise = 5;
    std::optional<std::string> token; // none: no login (loopback only)
};

// The web view without its transport: every page, the API and the login, answered from a
// request to a response, with the security headers on every answer.
class WebSite {
public:
    WebSite(WebOptions options, StoreAccess& stores);

    WebResponse handle(const WebRequest& request);

    // Reads the overview's lines ahead of the first request, which would otherwise wait for them
    // (seconds at thousands of lines); the error when the history cannot be read.
    Expected<void> prepare();

    static constexpr const char* kCookieName = "vestra_token";
    static constexpr long long kPageSize = 100;

private:
    WebResponse route(const WebRequest& request, const std::string& path);
    std::optional<WebResponse> refusal(const WebRequest& request, const std::string& path);
    WebResponse login(const WebRequest& request);
    WebResponse withStore(const std::string& path, const WebRequest& request);
    Expected<void> readOverview();
    WebResponse unavailable(const std::string& path, const std::string& reason);
    WebResponse notFound();
    WebResponse redirect(const std::string& to);

    WebOptions options_;
    StoreAccess& stores_;
    LoginLimiter limiter_;
    OverviewCache overview_;
    PageCache pages_;
};

} // namespace vestra::web
