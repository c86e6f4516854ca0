#include "web/HtmlText.h"

#include <gtest/gtest.h>

namespace vestra::web {
namespace {

TEST(HtmlText, NoByteOfTheDataOpensMarkup) {
    const std::pair<std::string, std::string> cases[] = {
        {"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
        {"a\" onload=\"x", "a&quot; onload=&quot;x"},
        {"'&amp;'", "&#39;&amp;amp;&#39;"},
        {"炉壁 ﾀﾞｸﾄ", "炉壁 ﾀﾞｸﾄ"},
        {std::string("a\0b\x1b\x7f", 5), "a\xEF\xBF\xBD"
                                         "b\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\xC2\x9B"
         "1m",
         "\xEF\xBF\xBD"
         "1m"},
        {"\xFF<\x82", "\xEF\xBF\xBD&lt;\xEF\xBF\xBD"},
        {"tab\tline\n", "tab\tline\n"},
    };
    for (const auto& [text, html] : cases) {
        EXPECT_EQ(Html(text), html) << text;
    }
}

TEST(HtmlText, QueryValuesKeepOnlyUnreservedBytes) {
    EXPECT_EQ(UrlQueryValue("A-1_b.~"), "A-1_b.~");
    EXPECT_EQ(UrlQueryValue("a&b=c d/%"), "a%26b%3Dc%20d%2F%25");
    EXPECT_EQ(UrlQueryValue("炉"), "%E7%82%89");
}

} // namespace
} // namespace vestra::web
