#include "shell/VisibleText.h"

#include "shell/TextCodec.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

struct VisibleCase {
    const char* name;
    std::string cp932; // as a data file holds it
    std::string shown;
};

TEST(VisibleText, ControlCharactersBecomeEscapesAndTextStaysText) {
    const VisibleCase cases[] = {
        {"a terminal title and clear", "\x1b]0;X\x07\x1b[2J", "\\x1b]0;X\\x07\\x1b[2J"},
        {"tab, line feed, return", "a\tb\nc\rd", "a\\tb\\nc\\rd"},
        {"NUL and DEL", std::string("a\0b\x7f", 4), "a\\x00b\\x7f"},
        {"a backslash is doubled", "C:\\x1b", "C:\\\\x1b"},
        // Trail byte 0x5C (ソ is 0x83 0x5C) is part of its character, not a backslash.
        {"trail byte 0x5C", "\x83\x5c", "ソ"},
        // Lead bytes 0x81 to 0x9F would be C1 controls read as Latin-1.
        {"lead byte 0x81", "\x81\x40", "　"},
        {"lead byte 0x9F", "\x9f\x40", "檗"},
        {"half-width katakana", "\xb1\xdf", "ｱﾟ"},
    };
    for (const VisibleCase& c : cases) {
        EXPECT_EQ(VisibleText(FromCp932(c.cp932)), c.shown) << c.name;
    }
}

TEST(VisibleText, C1ControlsAndBytesThatAreNoUtf8AreEscaped) {
    EXPECT_EQ(VisibleText("a\xc2\x9b"
                          "2J"),
              "a\\u009b2J");
    EXPECT_EQ(VisibleText("\xc2\xa0"), "\xc2\xa0"); // U+00A0 is the first character after C1
    EXPECT_EQ(VisibleText("\x83\x5c"), "\\x83\\\\");
}

} // namespace
} // namespace vestra
