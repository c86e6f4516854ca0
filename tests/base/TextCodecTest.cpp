#include "base/TextCodec.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

TEST(TextCodec, ConvertsBothWaysWithHalfAndFullWidth) {
    // ｱ is the single byte 0xB1, ﾟ 0xDF, 温 the pair 0x89 0xB7.
    std::string bytes = ToCp932("Aｱﾟ温");
    EXPECT_EQ(bytes, std::string("A\xB1\xDF\x89\xB7"));
    EXPECT_EQ(FromCp932(bytes), "Aｱﾟ温");
}

TEST(TextCodec, SubstitutesWhatCannotBeHeld) {
    EXPECT_FALSE(IsCp932Representable("A😀B"));
    EXPECT_TRUE(IsCp932Representable("件名ｱｲｳ abc"));
    EXPECT_EQ(ToCp932("A😀B"), "A?B");
    // A lead byte without its trail byte, and a byte no character starts with.
    EXPECT_EQ(FromCp932(std::string("A\x89")), "A?");
    EXPECT_EQ(FromCp932(std::string("\xA0Z")), "?Z");
}

TEST(TextCodec, CountsBytesAndFitsMixedText) {
    EXPECT_EQ(Cp932Length(""), 0u);
    EXPECT_EQ(Cp932Length("ｱｲｳ"), 3u);
    EXPECT_EQ(Cp932Length("温度A"), 5u);
    // A full-width character that would straddle the limit is dropped whole.
    EXPECT_EQ(FitCp932("AB温度", 5), "AB温");
    EXPECT_EQ(FitCp932("AB温度", 4), "AB温");
    EXPECT_EQ(FitCp932("AB温度", 3), "AB");
    EXPECT_EQ(FitCp932("ｱ温ｲ", 4), "ｱ温ｲ");
    EXPECT_EQ(FitCp932("12345678901234567890温", 20), "12345678901234567890");
    EXPECT_EQ(FitCp932("", 3), "");
}

TEST(TextCodec, FindsTheFirstWideCharacter) {
    EXPECT_EQ(FindWideChar("AB温"), 3);
    EXPECT_EQ(FindWideChar("ABC"), 0);
    EXPECT_EQ(FindWideChar(""), 0);
    EXPECT_EQ(FindWideChar("ｱｲｳ"), 0);
    EXPECT_EQ(FindWideChar("Ａ"), 1);
    // Not held by the code page, so it does not count as wide.
    EXPECT_EQ(FindWideChar("😀x温"), 3);
}

TEST(TextCodec, SplitsInvalidUtf8ByteByByte) {
    std::string text = "a\xE6\xB8z温";
    auto chars = SplitCharacters(text);
    ASSERT_EQ(chars.size(), 5u);
    EXPECT_EQ(chars[4], "温");
    EXPECT_EQ(CharacterCount("ｱ温A"), 3u);
}

} // namespace
} // namespace vestra
