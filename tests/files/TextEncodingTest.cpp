#include "files/TextEncoding.h"

#include "files/Export.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

TEST(TextEncoding, NamesInAnyLetterCase) {
    struct Case {
        std::string name;
        std::optional<TextEncoding> encoding;
    };
    const Case cases[] = {
        {"cp932", TextEncoding::Cp932}, {"CP932", TextEncoding::Cp932},
        {"utf-8", TextEncoding::Utf8},  {"UTF8", TextEncoding::Utf8},
        {"utf-16", std::nullopt},       {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextEncodingNamed(c.name), c.encoding) << c.name;
    }
}

TEST(TextEncoding, Utf8CsvStartsWithAByteOrderMarkCodePage932NeverDoes) {
    struct Case {
        TextEncoding encoding;
        std::string csv;
        std::string text;
    };
    const Case cases[] = {
        {TextEncoding::Cp932, "\x8c\x8f\x96\xbc\r\n", "\x8c\x8f\x96\xbc\r\n"},
        {TextEncoding::Utf8, "\xEF\xBB\xBF件名\r\n", "件名\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncodeCsvLines({"件名"}, c.encoding), c.csv);
        EXPECT_EQ(EncodeLines({"件名"}, c.encoding), c.text);
    }
}

} // namespace
} // namespace vestra
