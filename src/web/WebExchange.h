#pragma once

#include <chrono>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace vestra::web {

// A request as the HTTP server parsed it: the path decoded, without its query; the query's
// and a posted form's fields by name.
struct WebRequest {
    std::string method;
    std::string path;
    std::map<std::string, std::string> params;
    std::string cookie;        // the Cookie header
    std::string authorization; // the Authorization header
    bool overTls = false;      // as the reverse proxy says (X-Forwarded-Proto: https)
    std::string address;       // the client's
    std::chrono::steady_clock::time_point received;
};

struct WebResponse {
    int status = 200;
    std::string contentType;
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers;
    // What the log line adds: a database's reason for a failure; never a token or a cookie.
    std::string note;
};

// A response without headers of its own.
WebResponse Answer(int status, std::string contentType, std::string body);

} // namespace vestra::web
