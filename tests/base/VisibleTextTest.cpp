#include "base/VisibleText.h"

#include "base/TextCodec.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

// Code page 932 bytes as a data file holds them, and how they are shown once decoded: a trail
// byte 0x5C (ソ) is no backslash, lead bytes 0x81 to 0x9F are no C1 controls.
TEST(VisibleText, ControlCharactersBecomeEscapesAndTextStaysText) {
    const std::pair<std::string, std::string> cases[] = {
        {"\x1b]0;X\x07\x1b[2J", "\\x1b]0;X\\x07\\x1b[2J"},
        {"a\tb\nc\rd", "a\\tb\\nc\\rd"},
        {std::string("a\0b\x7f", 4), "a\\x00b\\x7f"},
        {"C:\\x1b", "C:\\\\x1b"},
        {"\x83\x5c", "ソ"},
        {"\x81\x40\x9f\x40", "　檗"},
        {"\xb1\xdf", "ｱﾟ"},
    };
    for (const auto& [cp932, shown] : cases) {
        EXPECT_EQ(VisibleText(FromCp932(cp932)), shown);
    }
    EXPECT_EQ(VisibleText("a\xc2\x9b"
                          "2J\xc2\xa0"),
              "a\\u009b2J\xc2\xa0");                 // C1, then U+00A0
    EXPECT_EQ(VisibleText("\x83\x5c"), "\\x83\\\\"); // bytes of no UTF-8
}

// File names as a terminal or a window would take them; the neighbours of each range stay.
TEST(VisibleText, WhatActsUnseenIsShownAndPrintablePathsStayAsTheyAre) {
    const std::pair<std::string, std::string> cases[] = {
        {"evil\x1b]2;OWNED\a\x1b[2J.qmc", "evil\\x1b]2;OWNED\\x07\\x1b[2J.qmc"},
        {"a\nvestra-cli: 40 new data sets\r\x7f", "a\\nvestra-cli: 40 new data sets\\r\\x7f"},
        {"\xc2\x85\xc2\x9breport\xe2\x80\xaegpj.qmc", "\\u0085\\u009breport\\u202egpj.qmc"},
        {"\xe2\x80\xa8\xe2\x80\xaa\xe2\x81\xa6\xe2\x81\xa9", "\\u2028\\u202a\\u2066\\u2069"},
        {"\xe2\x80\xa7\xe2\x80\xaf\xe2\x81\xa5", "\xe2\x80\xa7\xe2\x80\xaf\xe2\x81\xa5"},
        {"\xc0\x9b\xed\xa0\x80", "\\xc0\\x9b\\xed\\xa0\\x80"}, // ESC too long, a surrogate
        {"/home/yamada/点検/pump room ﾃﾞｰﾀ ①.qmf", "/home/yamada/点検/pump room ﾃﾞｰﾀ ①.qmf"},
    };
    for (const auto& [name, shown] : cases) {
        EXPECT_EQ(VisibleText(name), shown);
    }
}

} // namespace
} // namespace vestra
