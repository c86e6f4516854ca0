#pragma once

#include "history/HistoryStore.h"
#include "web/Overview.h"
#include "web/WebSite.h"

#include <string_view>

namespace vestra::web {

// What a route reads beside the request: the site's options, the overview's lines kept
// between requests and the history's revision at this request.
struct SiteContext {
    const WebOptions& options;
    OverviewCache& overview;
    const std::string& revision;
};

// The answer of one path that reads the history, or the database's error when the history could
// not be read; a request the path cannot answer (a bad parameter, a tag without readings) is
// answered with a 400 or 404 page that echoes nothing of it.
using HistoryRoute = Expected<WebResponse> (*)(history::HistoryStore& store,
                                               const WebRequest& request, const SiteContext& site);

// The route of a path below the base path ("/", "/tag", "/api/tags", ...); null for a path
// that is none of them.
HistoryRoute HistoryRouteOf(std::string_view path);

// A page or a JSON document with its content type.
WebResponse HtmlResponse(int status, std::string body);
WebResponse JsonResponse(std::string body);

} // namespace vestra::web
