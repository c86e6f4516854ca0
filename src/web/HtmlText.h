#pragma once

#include <string>
#include <string_view>

namespace vestra::web {

// Text from the history (tags, remarks, file names: any byte a data file or a database may
// hold) as HTML text or a quoted attribute value: the five markup characters as entities, a
// control character or a byte that is no UTF-8 as U+FFFD, so that no byte of the data can
// open an element, an attribute or a script.
std::string Html(std::string_view text);

// The text percent-encoded for a URL's query, every byte but letters, digits and "-._~".
std::string UrlQueryValue(std::string_view text);

} // namespace vestra::web
