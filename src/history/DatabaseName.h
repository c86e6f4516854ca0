#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vestra::history {

// An embedded database file. Only the history's own default folder is made when missing; a
// folder the user names must exist, so that a typing error never leaves folders behind.
struct SqliteFile {
    std::string path;
    bool makeFolder = false;
};

// A server, as libpq reads it: a URL (postgresql:// or postgres://, the scheme in lower case
// whatever the user typed) or the keyword form ("host=db.plant dbname=history").
struct ServerAddress {
    std::string conninfo;
};

using DatabaseName = std::variant<SqliteFile, ServerAddress>;

// The one reading of a database name, for --db and the settings file's [History] Database=.
// A URL of either scheme in any letter case, or text that starts with a libpq keyword and '=',
// names a server; anything else is a file name, even with '=' in it. Refused with the reason:
// an empty name, and ":memory:" (a history that is gone when the program ends).
std::optional<DatabaseName> ParseDatabaseName(std::string_view text, std::string& reason);

// The name as messages and logs may show it: every secret replaced by "***". A secret is the
// password of a URL's user information (up to the last '@', so an unencoded '@' or '/' of it
// stays hidden however libpq splits the URL), and the value of a parameter or keyword, quoted
// or not, that names a password or is none libpq knows (a misspelt "passwd=").
std::string RedactedDatabaseName(std::string_view text);

// A message about the database (libpq's may quote a piece of the name: the piece of a password
// it took for a port or a host) with every secret of the name, and every piece of one as libpq
// may have split or decoded it, replaced by "***".
std::string WithoutPasswords(std::string message, std::string_view name);

} // namespace vestra::history
