#pragma once

#include <string>
#include <string_view>

namespace vestra {

// Text from a data file, a device, a file system or the user as a terminal or a window may show
// it: every control character (C0, DEL, C1) becomes a visible escape ("\t", "\x1b", "\u009b"),
// as do the characters that act unseen on the text around them (the line and paragraph
// separators U+2028 and U+2029, the bidirectional embeddings, overrides and isolates U+202A to
// U+202E and U+2066 to U+2069); a byte that is no UTF-8 becomes "\xNN", and a backslash becomes
// "\\", so that an escape cannot be forged. The text is judged as characters, after code page
// 932 is decoded: the bytes of a double-byte character are never escaped, and printable text,
// Japanese included, is shown as it is. The program's one escaping for display: paths and the
// fields of data files alike go through it once, where the line that shows them is built. For
// listings and messages only; files keep their bytes.
std::string VisibleText(std::string_view utf8);

} // namespace vestra
