#include "HttpServer.h"

#include "BoundedTaskQueue.h"
#include "base/VisibleText.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <httplib.h>
#include <sys/socket.h>

namespace vestra::webapp {
namespace {

// Enough workers for the queries of a team.
constexpr std::size_t kWorkers = 8;
constexpr std::size_t kQueuedConnections = 64;
// The library gives a connection one worker for its whole life. Kept alive, a client holds
// its worker while the others wait in the queue, and a waiting client's next request waits for
// every request of those before it: with 50 clients and 5 requests a connection, the 99th
// percentile was 150 ms against a median of 12 ms. One request a connection puts every request
// in the queue in its turn (p99 48 ms); a browser opens a connection more for the style sheet.
constexpr time_t kKeepAliveSeconds = 2;
constexpr std::size_t kKeepAliveRequests = 1;
constexpr time_t kReadSeconds = 5;
constexpr time_t kWriteSeconds = 10;
// The login form is the only body the server reads.
constexpr std::size_t kLargestBody = 4096;
// The library listens with a backlog of 5: fifty clients that connect again after each answer
// overflow it, and each connection dropped waits a second for the client's retry.
constexpr int kListenBacklog = SOMAXCONN;

std::atomic<httplib::Server*> gServer{nullptr};

using Clock = std::chrono::steady_clock;

web::WebRequest requestOf(const httplib::Request& request) {
    web::WebRequest r;
    r.method = request.method;
    r.path = request.path;
    for (const auto& [name, value] : request.params) {
        r.params.emplace(name, value); // the first of a repeated name wins
    }
    r.cookie = request.get_header_value("Cookie");
    r.authorization = request.get_header_value("Authorization");
    r.overTls = request.get_header_value("X-Forwarded-Proto") == "https";
    r.address = request.remote_addr;
    r.received = Clock::now();
    return r;
}

void logRequest(const httplib::Request& request, const httplib::Response& response,
                Clock::time_point started, const std::string& note) {
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started);
    std::string line = VisibleText(request.remote_addr) + " " + VisibleText(request.method) + " " +
                       VisibleText(request.path) + " " + std::to_string(response.status) + " " +
                       std::to_string(response.body.size()) + " " + std::to_string(ms.count()) +
                       "ms";
    if (!note.empty()) {
        line += " " + VisibleText(note);
    }
    line += "\n";
    std::fputs(line.c_str(), stderr);
}

void answer(web::WebSite& site, const httplib::Request& request, httplib::Response& response) {
    Clock::time_point started = Clock::now();
    web::WebResponse answer = site.handle(requestOf(request));
    response.status = answer.status;
    for (const auto& [name, value] : answer.headers) {
        response.set_header(name, value);
    }
    response.set_content(std::move(answer.body), answer.contentType.c_str());
    logRequest(request, response, started, answer.note);
}

} // namespace

bool Serve(web::WebSite& site, const ListenAddress& address, std::string& reason) {
    httplib::Server server;
    server.new_task_queue = [] { return new BoundedTaskQueue(kWorkers, kQueuedConnections); };
    server.set_keep_alive_timeout(kKeepAliveSeconds);
    server.set_keep_alive_max_count(kKeepAliveRequests);
    server.set_read_timeout(kReadSeconds, 0);
    server.set_write_timeout(kWriteSeconds, 0);
    server.set_payload_max_length(kLargestBody);
    // Headers and body go out in two writes; without this a keep-alive client waits for the
    // delayed acknowledgement of the first (40 ms a request).
    server.set_tcp_nodelay(true);
    // Only SO_REUSEADDR: the library's default SO_REUSEPORT would let a second server start on
    // the same port and take part of the requests instead of saying it cannot listen.
    int listening = -1;
    server.set_socket_options([&listening](socket_t socket) {
        int yes = 1;
        ::setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        listening = socket;
    });
    auto handler = [&site](const httplib::Request& request, httplib::Response& response) {
        answer(site, request, response);
    };
    server.Get(".*", handler);
    server.Post(".*", handler);
    server.Put(".*", handler);
    server.Patch(".*", handler);
    server.Delete(".*", handler);
    server.Options(".*", handler);
    server.set_exception_handler(
        [](const httplib::Request&, httplib::Response& response, std::exception_ptr) {
            response.status = 500;
            response.set_content("500 Internal Server Error\n", "text/plain; charset=utf-8");
        });
    int port = address.port;
    if (port == 0) {
        port = server.bind_to_any_port(address.host);
    } else if (!server.bind_to_port(address.host, port)) {
        port = -1;
    }
    if (port < 0 || ::listen(listening, kListenBacklog) != 0) {
        reason = "cannot listen on " + address.host + ":" + std::to_string(address.port);
        return false;
    }
    std::fprintf(stderr, "vestra-web: listening on %s:%d\n", address.host.c_str(), port);
    gServer = &server;
    server.listen_after_bind();
    gServer = nullptr;
    return true;
}

void Stop() {
    if (httplib::Server* server = gServer.load()) {
        server->stop();
    }
}

} // namespace vestra::webapp
