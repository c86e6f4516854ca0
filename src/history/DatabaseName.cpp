#include "history/DatabaseName.h"

#include "base/FileFunc.h"

#include <algorithm>
#include <array>
#include <vector>

namespace vestra::history {
namespace {

constexpr std::string_view kSchemes[] = {"postgresql://", "postgres://"};
constexpr std::string_view kHidden = "***";

// The connection keywords of libpq, up to PostgreSQL 17; one that the installed libpq does not
// know is refused by it with its own message.
constexpr std::array<std::string_view, 43> kKeywords = {
    "host",
    "hostaddr",
    "port",
    "dbname",
    "user",
    "password",
    "passfile",
    "require_auth",
    "channel_binding",
    "connect_timeout",
    "client_encoding",
    "options",
    "application_name",
    "fallback_application_name",
    "keepalives",
    "keepalives_idle",
    "keepalives_interval",
    "keepalives_count",
    "tcp_user_timeout",
    "replication",
    "gssencmode",
    "sslmode",
    "requiressl",
    "sslcompression",
    "sslcert",
    "sslkey",
    "sslpassword",
    "sslcertmode",
    "sslrootcert",
    "sslcrl",
    "sslcrldir",
    "sslsni",
    "requirepeer",
    "ssl_min_protocol_version",
    "ssl_max_protocol_version",
    "krbsrvname",
    "gsslib",
    "gssdelegation",
    "service",
    "target_session_attrs",
    "load_balance_hosts",
    "sslnegotiation",
    "scram_client_key",
};

bool isWordCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view skipSpaces(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

// The length of the URL scheme the text starts with, in any letter case; 0 for none.
std::size_t schemeLength(std::string_view text) {
    std::string lower = LowerCaseAscii(std::string(text.substr(0, kSchemes[0].size())));
    for (std::string_view scheme : kSchemes) {
        if (lower.starts_with(scheme)) {
            return scheme.size();
        }
    }
    return 0;
}

// A keyword, blanks, then '=': what libpq's keyword form starts with.
bool startsWithKeyword(std::string_view text) {
    text = skipSpaces(text);
    std::size_t end = 0;
    while (end < text.size() && isWordCharacter(text[end])) {
        ++end;
    }
    std::string_view rest = skipSpaces(text.substr(end));
    return !rest.empty() && rest.front() == '=' &&
           std::find(kKeywords.begin(), kKeywords.end(), text.substr(0, end)) != kKeywords.end();
}

// Where a password stands in a name: its first character and its length.
struct Span {
    std::size_t start;
    std::size_t length;
};

// The user information of a URL ends at the last '@' before the query: a password may hold an
// '@' its writer did not encode, and hiding too much is better than showing any of it.
std::vector<Span> urlPasswords(std::string_view text, std::size_t scheme) {
    std::vector<Span> spans;
    std::size_t query = text.find('?', scheme);
    std::size_t at = text.rfind('@', query);
    std::size_t colon = text.find(':', scheme);
    if (at != std::string_view::npos && at >= scheme && colon < at) {
        spans.push_back({colon + 1, at - colon - 1});
    }
    for (std::size_t start = query; start != std::string_view::npos;
         start = text.find('&', start + 1)) {
        if (LowerCaseAscii(std::string(text.substr(start + 1, 9))) == "password=") {
            std::size_t value = start + 1 + 9;
            spans.push_back({value, std::min(text.find('&', value), text.size()) - value});
        }
    }
    return spans;
}

// The value of a keyword: quoted with '\' escapes, or up to the next blank.
std::size_t valueEnd(std::string_view text, std::size_t start) {
    if (start < text.size() && text[start] == '\'') {
        for (std::size_t i = start + 1; i < text.size(); ++i) {
            if (text[i] == '\\') {
                ++i;
            } else if (text[i] == '\'') {
                return i + 1;
            }
        }
        return text.size();
    }
    std::size_t i = start;
    while (i < text.size() && !isSpace(text[i])) {
        i += text[i] == '\\' ? 2 : 1;
    }
    return std::min(i, text.size());
}

std::size_t skipBlanks(std::string_view text, std::size_t i) {
    while (i < text.size() && isSpace(text[i])) {
        ++i;
    }
    return i;
}

std::vector<Span> keywordPasswords(std::string_view text) {
    std::vector<Span> spans;
    for (std::size_t i = skipBlanks(text, 0); i < text.size(); i = skipBlanks(text, i)) {
        std::size_t key = i;
        while (i < text.size() && !isSpace(text[i]) && text[i] != '=') {
            ++i;
        }
        std::string_view keyword = text.substr(key, i - key);
        i = skipBlanks(text, i);
        if (i >= text.size() || text[i] != '=') {
            break;
        }
        i = skipBlanks(text, i + 1);
        std::size_t end = valueEnd(text, i);
        if (keyword == "password") {
            spans.push_back({i, end - i});
        }
        i = end;
    }
    return spans;
}

std::vector<Span> passwordsOf(std::string_view text) {
    if (std::size_t scheme = schemeLength(text)) {
        return urlPasswords(text, scheme);
    }
    return startsWithKeyword(text) ? keywordPasswords(text) : std::vector<Span>{};
}

} // namespace

std::optional<DatabaseName> ParseDatabaseName(std::string_view text, std::string& reason) {
    if (std::size_t scheme = schemeLength(text)) {
        return ServerAddress{LowerCaseAscii(std::string(text.substr(0, scheme))) +
                             std::string(text.substr(scheme))};
    }
    if (startsWithKeyword(text)) {
        return ServerAddress{std::string(text)};
    }
    if (text.empty()) {
        reason = "データベース名が空です";
        return std::nullopt;
    }
    if (text == ":memory:") {
        reason = ":memory: はメモリ上の一時データベースで、履歴は残りません";
        return std::nullopt;
    }
    return SqliteFile{std::string(text)};
}

std::string RedactedDatabaseName(std::string_view text) {
    std::string shown(text);
    std::vector<Span> spans = passwordsOf(text);
    for (auto span = spans.rbegin(); span != spans.rend(); ++span) {
        shown.replace(span->start, span->length, kHidden);
    }
    return shown;
}

std::string WithoutPasswords(std::string message, std::string_view name) {
    for (Span span : passwordsOf(name)) {
        std::string_view password = name.substr(span.start, span.length);
        // A quoted keyword value reaches libpq's messages without its quotes.
        if (password.size() >= 2 && password.front() == '\'' && password.back() == '\'') {
            password = password.substr(1, password.size() - 2);
        }
        for (std::size_t at = password.empty() ? std::string::npos : message.find(password);
             at != std::string::npos; at = message.find(password, at + kHidden.size())) {
            message.replace(at, password.size(), kHidden);
        }
    }
    return message;
}

} // namespace vestra::history
