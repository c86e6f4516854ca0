#pragma once

#include <string>
#include <string_view>

namespace vestra {

// Text from a data file, a device or the user as a terminal may show it: every control
// character (C0, DEL, C1) becomes a visible escape ("\t", "\x1b", "\u009b"), a byte that is no
// UTF-8 becomes "\xNN", and a backslash becomes "\\", so that an escape cannot be forged. The
// text is judged as characters, after code page 932 is decoded: the bytes of a double-byte
// character are never escaped. For listings and messages only; files keep their bytes.
std::string VisibleText(std::string_view utf8);

} // namespace vestra
