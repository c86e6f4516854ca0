#pragma once

#include "web/WebSite.h"

#include <string>

namespace vestra::webapp {

struct ListenAddress {
    std::string host;
    int port = 0; // 0: a free port, named in the first log line
};

// Serves the site until Stop() (from the signal thread); false with the reason when the
// address cannot be bound. One line per request goes to standard error: client address,
// method, path (escaped), status, bytes, milliseconds, and a database's reason; never the
// query, a header, a cookie or a token.
bool Serve(web::WebSite& site, const ListenAddress& address, std::string& reason);

// Ends Serve: the listening socket closes, the workers finish what they accepted.
void Stop();

} // namespace vestra::webapp
