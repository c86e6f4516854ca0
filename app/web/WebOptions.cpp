#include "WebOptions.h"

#include <CLI/CLI.hpp>
#include <arpa/inet.h>
#include <charconv>
#include <cmath>

namespace vestra::webapp {

const char* const kWebUsage =
    "Usage: vestra-web --db FILE|postgresql://... [OPTION]...\n"
    "Serves the inspection history to browsers on the network, read-only.\n"
    "\n"
    "  --db NAME             the history database: a SQLite file, a postgresql:// URL or\n"
    "                        libpq keywords (host=... dbname=...)\n"
    "  --listen ADDR:PORT    the address to listen on (default 127.0.0.1:8080; [::1]:PORT\n"
    "                        for IPv6); anything but a loopback address needs --token-file\n"
    "  --token-file FILE     the file holding the token users log in with\n"
    "  --base-path /PREFIX   the path a reverse proxy publishes the pages under\n"
    "  --rise DEGREES        the rise since the previous data set that lists a tag first\n"
    "                        (default 5)\n"
    "  -h, --help            show this help and exit\n"
    "  --version             show the version and exit\n";

namespace {

bool refuse(std::string& error, const std::string& text) {
    error = text;
    return false;
}

bool parseListen(const std::string& text, WebCommandLine& options) {
    std::size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0) {
        return false;
    }
    std::string host = text.substr(0, colon);
    if (host.front() == '[') {
        if (host.back() != ']') {
            return false;
        }
        host = host.substr(1, host.size() - 2);
    }
    std::string port = text.substr(colon + 1);
    int value = 0;
    auto [end, failure] = std::from_chars(port.data(), port.data() + port.size(), value);
    if (failure != std::errc() || end != port.data() + port.size() || value < 0 || value > 65535 ||
        host.empty()) {
        return false;
    }
    options.host = host;
    options.port = value;
    return true;
}

// A path of plain segments: the proxy's prefix is written into every link and the cookie.
bool parseBasePath(std::string text, WebCommandLine& options) {
    while (text.size() > 1 && text.back() == '/') {
        text.pop_back();
    }
    if (text.empty() || text.front() != '/' || text.find("//") != std::string::npos ||
        text.find("/.") != std::string::npos) {
        return false;
    }
    for (char c : text) {
        bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                     c == '-' || c == '_' || c == '.' || c == '/';
        if (!plain) {
            return false;
        }
    }
    options.basePath = text == "/" ? "" : text;
    return true;
}

bool parseRise(const std::string& text, WebCommandLine& options) {
    float value = 0;
    auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (failure != std::errc() || end != text.data() + text.size() || !std::isfinite(value) ||
        value < 0 || value > 10000) {
        return false;
    }
    options.rise = value;
    return true;
}

} // namespace

bool IsLoopback(const std::string& host) {
    if (host == "localhost" || host == "::1") {
        return true;
    }
    in_addr address{};
    return inet_pton(AF_INET, host.c_str(), &address) == 1 && (ntohl(address.s_addr) >> 24) == 127;
}

bool ParseWebOptions(const std::vector<std::string>& args, WebCommandLine& options,
                     std::string& error) {
    CLI::App app{"", "vestra-web"};
    app.set_help_flag();
    app.allow_extras();
    std::string listen;
    std::string basePath;
    std::string rise;
    app.add_option("--db", options.db);
    app.add_option("--listen", listen);
    app.add_option("--token-file", options.tokenFile);
    app.add_option("--base-path", basePath);
    app.add_option("--rise", rise);
    app.add_flag("--help,-h", options.help);
    app.add_flag("--version", options.version);
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& failure) {
        return refuse(error, failure.what());
    }
    if (std::vector<std::string> rest = app.remaining(); !rest.empty()) {
        const std::string& word = rest.front();
        return refuse(error, word.starts_with("-")
                                 ? "unknown option '" + word.substr(0, word.find('=')) + "'"
                                 : "unexpected argument '" + word + "'");
    }
    if (options.help || options.version) {
        return true;
    }
    if (app.count("--listen") > 0 && !parseListen(listen, options)) {
        return refuse(error, "bad value for --listen: '" + listen + "' (ADDR:PORT)");
    }
    if (app.count("--base-path") > 0 && !parseBasePath(basePath, options)) {
        return refuse(error, "bad value for --base-path: '" + basePath +
                                 "' (/PREFIX of letters, digits, '-', '_', '.')");
    }
    if (app.count("--rise") > 0 && !parseRise(rise, options)) {
        return refuse(error, "bad value for --rise: '" + rise + "' (0 to 10000 degrees)");
    }
    if (options.db.empty()) {
        return refuse(error, "--db is required");
    }
    if (options.tokenFile.empty() && !IsLoopback(options.host)) {
        return refuse(error, "listening on " + options.host +
                                 " needs --token-file: without a token only this machine may "
                                 "connect");
    }
    return true;
}

} // namespace vestra::webapp
