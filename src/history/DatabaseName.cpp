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

// Keywords whose value is itself a secret.
constexpr std::string_view kSecretKeywords[] = {"password", "sslpassword", "scram_client_key"};

// A value is hidden when its keyword names a secret or is none libpq knows: a misspelt
// "passwd=" still holds the password its writer meant. "ssl" is the one parameter libpq takes
// in a URL only ("ssl=true").
bool hidesValue(std::string_view keyword, bool inUrl) {
    bool known = std::find(kKeywords.begin(), kKeywords.end(), keyword) != kKeywords.end() ||
                 (inUrl && keyword == "ssl");
    return !known || std::find(std::begin(kSecretKeywords), std::end(kSecretKeywords), keyword) !=
                         std::end(kSecretKeywords);
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    c = static_cast<char>(c | 0x20);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// A piece of a URL as libpq reads it: each "%XX" the byte it stands for.
std::string percentDecoded(std::string_view text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
            hexValue(text[i + 2]) >= 0) {
            decoded += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

// Which characters of a name are hidden.
using HiddenMask = std::vector<bool>;

void hide(HiddenMask& hidden, std::size_t start, std::size_t end) {
    std::fill(hidden.begin() + static_cast<std::ptrdiff_t>(std::min(start, hidden.size())),
              hidden.begin() + static_cast<std::ptrdiff_t>(std::min(end, hidden.size())), true);
}

// libpq ends a URL's user information at its first '@', and finds none when a '/' comes first;
// a writer who left an '@' or a '/' of the password unencoded meant it to end at the last '@'.
// Both readings are hidden: from the ':' after the user name to the last '@'. Parameters are
// looked for after every '?' and '&', since one in an unencoded password moves the start of
// the query as libpq sees it.
void hideUrlSecrets(std::string_view text, std::size_t scheme, HiddenMask& hidden) {
    std::size_t colon = text.find_first_of(":@/", scheme);
    std::size_t at = text.rfind('@');
    if (colon != std::string_view::npos && text[colon] == ':' && at != std::string_view::npos &&
        at > colon) {
        hide(hidden, colon + 1, at);
    }
    for (std::size_t mark = text.find_first_of("?&", scheme); mark != std::string_view::npos;
         mark = text.find_first_of("?&", mark + 1)) {
        std::size_t end = std::min(text.find('&', mark + 1), text.size());
        std::size_t equals = text.find('=', mark + 1);
        if (equals >= end) {
            continue;
        }
        std::string_view key = text.substr(mark + 1, equals - mark - 1);
        if (key.find_first_of("?/@") == std::string_view::npos &&
            hidesValue(percentDecoded(key), true)) {
            hide(hidden, equals + 1, end);
        }
    }
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

void hideKeywordSecrets(std::string_view text, HiddenMask& hidden) {
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
        if (hidesValue(keyword, false)) {
            hide(hidden, i, end);
        }
        i = end;
    }
}

// The runs of hidden characters of a name, each as written.
std::vector<std::string_view> secretsOf(std::string_view text) {
    HiddenMask hidden(text.size(), false);
    if (std::size_t scheme = schemeLength(text)) {
        hideUrlSecrets(text, scheme, hidden);
    } else if (startsWithKeyword(text)) {
        hideKeywordSecrets(text, hidden);
    }
    std::vector<std::string_view> runs;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t end = i;
        while (end < text.size() && hidden[end]) {
            ++end;
        }
        if (end > i) {
            runs.push_back(text.substr(i, end - i));
        }
        i = end + 1;
    }
    return runs;
}

// A keyword value without its quotes and escapes, as libpq passes it on.
std::string unquoted(std::string_view value) {
    if (value.size() >= 2 && value.front() == '\'' && value.back() == '\'') {
        value = value.substr(1, value.size() - 2);
    }
    std::string plain;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            ++i;
        }
        plain += value[i];
    }
    return plain;
}

// Every form in which libpq may quote a secret or a piece of it: as written, without quotes
// and escapes, percent-decoded, and each of these cut where libpq splits a URL (a password
// with an unencoded '@' or '/' reaches it as a host, a port or a database name). Longest
// first, so that a piece never breaks up a longer one before it is hidden.
std::vector<std::string> formsOf(std::string_view secret) {
    std::vector<std::string> forms;
    for (const std::string& whole :
         {std::string(secret), unquoted(secret), percentDecoded(secret)}) {
        forms.push_back(whole);
        for (std::size_t start = 0; start < whole.size();) {
            std::size_t end = std::min(whole.find_first_of("@/:?&=,[]", start), whole.size());
            forms.push_back(whole.substr(start, end - start));
            start = end + 1;
        }
    }
    std::erase(forms, std::string());
    std::ranges::sort(forms, [](const std::string& a, const std::string& b) {
        return a.size() != b.size() ? a.size() > b.size() : a < b;
    });
    forms.erase(std::unique(forms.begin(), forms.end()), forms.end());
    return forms;
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
    std::string shown;
    std::size_t from = 0;
    for (std::string_view secret : secretsOf(text)) {
        std::size_t start = static_cast<std::size_t>(secret.data() - text.data());
        shown.append(text.substr(from, start - from)).append(kHidden);
        from = start + secret.size();
    }
    return shown.append(text.substr(from));
}

std::string WithoutPasswords(std::string message, std::string_view name) {
    for (std::string_view secret : secretsOf(name)) {
        for (const std::string& form : formsOf(secret)) {
            for (std::size_t at = message.find(form); at != std::string::npos;
                 at = message.find(form, at + kHidden.size())) {
                message.replace(at, form.size(), kHidden);
            }
        }
    }
    return message;
}

} // namespace vestra::history
