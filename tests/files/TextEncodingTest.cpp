#include "files/Export.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

TEST(TextEncoding, NamesInAnyLetterCaseAndOnlyUtf8CsvStartsWithAByteOrderMark) {
    const std::pair<std::string, std::optional<TextEncoding>> names[] = {
        {"CP932", TextEncoding::Cp932},
        {"utf-8", TextEncoding::Utf8},
        {"UTF8", TextEncoding::Utf8},
        {"utf-16", std::nullopt}};
    for (const auto& [name, encoding] : names) {
        EXPECT_EQ(TextEncodingNamed(name), encoding) << name;
    }
    EXPECT_EQ(EncodeCsvLines({"件名"}, TextEncoding::Cp932), "\x8c\x8f\x96\xbc\r\n");
    EXPECT_EQ(EncodeCsvLines({"件名"}, TextEncoding::Utf8), "\xEF\xBB\xBF件名\r\n");
    EXPECT_EQ(EncodeLines({"件名"}, TextEncoding::Utf8), "件名\r\n");
}

} // namespace
} // namespace vestra
