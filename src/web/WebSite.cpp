#include "web/WebSite.h"

#include "web/WebPages.h"
#include "web/WebRoutes.h"

namespace vestra::web {
namespace {

// No script at all, styles and pictures from the server itself, forms only to it, never in a
// frame of another site.
constexpr const char* kContentSecurityPolicy =
    "default-src 'none'; style-src 'self'; img-src 'self'; form-action 'self'; "
    "frame-ancestors 'none'; base-uri 'none'";

bool isApi(const std::string& path) {
    return path.starts_with("/api/");
}

void secure(WebResponse& response, bool cacheable) {
    response.headers.emplace_back("Content-Security-Policy", kContentSecurityPolicy);
    response.headers.emplace_back("X-Content-Type-Options", "nosniff");
    response.headers.emplace_back("Referrer-Policy", "no-referrer");
    response.headers.emplace_back("X-Frame-Options", "DENY");
    // The history changes while it is shown, and it is nobody else's business: no copy is kept
    // anywhere but the style sheet.
    response.headers.emplace_back("Cache-Control", cacheable ? "max-age=3600" : "no-store");
}

// The answer of a route from the store, kept or made; the error when the history could not be
// read.
Expected<WebResponse> answerFrom(history::HistoryStore& store, HistoryRoute route,
                                 const std::string& path, const WebRequest& request,
                                 const WebOptions& options, OverviewCache& overview,
                                 PageCache& pages) {
    Expected<std::string> revision = store.revision();
    if (!revision) {
        return unexpected(std::move(revision).error());
    }
    std::string key = PageKey(path, request.params);
    if (std::optional<WebResponse> kept = pages.find(key, *revision, request.received)) {
        return std::move(*kept);
    }
    Expected<WebResponse> response = route(store, request, {options, overview, *revision});
    if (response && response->status == 200) {
        pages.keep(key, *revision, *response, request.received);
    }
    return response;
}

} // namespace

WebResponse Answer(int status, std::string contentType, std::string body) {
    WebResponse response;
    response.status = status;
    response.contentType = std::move(contentType);
    response.body = std::move(body);
    return response;
}

WebSite::WebSite(WebOptions options, StoreAccess& stores)
    : options_(std::move(options)), stores_(stores) {}

WebResponse WebSite::handle(const WebRequest& request) {
    const std::string& base = options_.basePath;
    WebResponse response;
    if (!request.path.starts_with(base)) {
        response = notFound();
    } else if (request.path == base && !base.empty()) {
        response = redirect(base + "/");
    } else {
        response = route(request, request.path.substr(base.size()));
    }
    bool fixed = request.path == base + "/style.css" || request.path == base + "/icon.svg";
    secure(response, fixed && response.status == 200);
    return response;
}

Expected<void> WebSite::prepare() {
    Expected<void> read = readOverview();
    stores_.lost(); // the connection of this thread, which serves no request
    return read;
}

Expected<void> WebSite::readOverview() {
    Expected<history::HistoryStore*> store = stores_.store();
    if (!store) {
        return unexpected(std::move(store).error());
    }
    Expected<std::string> revision = (*store)->revision();
    if (!revision) {
        return unexpected(std::move(revision).error());
    }
    Expected<std::vector<OverviewRow>> rows = overview_.rows(**store, *revision);
    if (!rows) {
        return unexpected(std::move(rows).error());
    }
    return {};
}

WebResponse WebSite::route(const WebRequest& request, const std::string& path) {
    if (request.method != "GET" && request.method != "HEAD" &&
        !(request.method == "POST" && path == "/login")) {
        WebResponse response =
            HtmlResponse(405, MessagePage(options_.basePath, "要求が正しくありません",
                                          "この方法では使えません。"));
        response.headers.emplace_back("Allow", path == "/login" ? "GET, HEAD, POST" : "GET, HEAD");
        return response;
    }
    if (path == "/style.css") {
        return Answer(200, "text/css; charset=utf-8", std::string(StyleSheet()));
    }
    if (path == "/icon.svg") {
        return Answer(200, "image/svg+xml", std::string(IconSvg()));
    }
    if (path == "/login") {
        return login(request);
    }
    if (std::optional<WebResponse> refused = refusal(request, path)) {
        return *refused;
    }
    return withStore(path, request);
}

// Nothing but the style sheet and the login form is answered without the token.
std::optional<WebResponse> WebSite::refusal(const WebRequest& request, const std::string& path) {
    if (!options_.token) {
        return std::nullopt;
    }
    if (limiter_.refused(request.address, request.received)) {
        return HtmlResponse(429,
                            MessagePage(options_.basePath, "しばらくお待ちください",
                                        "トークンの誤りが続いたため、しばらく受け付けません。"));
    }
    std::optional<std::string_view> given = BearerToken(request.authorization);
    if (!given) {
        given = CookieValue(request.cookie, kCookieName);
    }
    if (given && SameToken(*options_.token, *given)) {
        return std::nullopt;
    }
    if (given) {
        limiter_.failed(request.address, request.received);
    }
    if (isApi(path)) {
        WebResponse response = Answer(401, "text/plain; charset=utf-8", "401 Unauthorized\n");
        response.headers.emplace_back("WWW-Authenticate", "Bearer");
        return response;
    }
    return redirect(options_.basePath + "/login");
}

WebResponse WebSite::login(const WebRequest& request) {
    const std::string& base = options_.basePath;
    if (!options_.token) {
        return redirect(base + "/");
    }
    if (request.method != "POST") {
        return HtmlResponse(200, LoginPage(base, false));
    }
    if (limiter_.refused(request.address, request.received)) {
        return HtmlResponse(429,
                            MessagePage(base, "しばらくお待ちください",
                                        "トークンの誤りが続いたため、しばらく受け付けません。"));
    }
    auto token = request.params.find("token");
    if (token == request.params.end() || !SameToken(*options_.token, token->second)) {
        limiter_.failed(request.address, request.received);
        return HtmlResponse(401, LoginPage(base, true));
    }
    limiter_.succeeded(request.address);
    WebResponse response = redirect(base + "/");
    // The cookie goes back to this server only, below its base path, never to a script, and
    // over TLS only when the request came so through the proxy.
    response.headers.emplace_back("Set-Cookie", std::string(kCookieName) + "=" + *options_.token +
                                                    "; Path=" + (base.empty() ? "/" : base) +
                                                    "; HttpOnly; SameSite=Strict" +
                                                    (request.overTls ? "; Secure" : ""));
    return response;
}

WebResponse WebSite::withStore(const std::string& path, const WebRequest& request) {
    HistoryRoute route = HistoryRouteOf(path);
    if (route == nullptr) {
        return notFound();
    }
    // A connection that a restarted server dropped fails its first query: the request is
    // answered through a new one, so that a restart costs no worker a failed page.
    for (int attempt = 1;; ++attempt) {
        Expected<history::HistoryStore*> store = stores_.store();
        if (!store) {
            return unavailable(path, store.error().text);
        }
        Expected<WebResponse> response =
            answerFrom(**store, route, path, request, options_, overview_, pages_);
        if (response) {
            return std::move(*response);
        }
        stores_.lost();
        if (attempt == 2) {
            return unavailable(path, response.error().text);
        }
    }
}

// The reason goes to the log; the page says what the operator can do.
WebResponse WebSite::unavailable(const std::string& path, const std::string& reason) {
    WebResponse response =
        isApi(path) ? Answer(503, "text/plain; charset=utf-8", "503 Service Unavailable\n")
                    : HtmlResponse(503, MessagePage(options_.basePath, "履歴を読めません",
                                                    "履歴データベースを読めません: " + reason +
                                                        " (古い版のデータベースは vestra-cli "
                                                        "history add で更新されます)"));
    response.note = reason;
    return response;
}

WebResponse WebSite::notFound() {
    return HtmlResponse(
        404, MessagePage(options_.basePath, "見つかりません", "このページはありません。"));
}

WebResponse WebSite::redirect(const std::string& to) {
    WebResponse response = Answer(303, "text/plain; charset=utf-8", "303 See Other\n");
    response.headers.emplace_back("Location", to);
    return response;
}

} // namespace vestra::web
