#include "shell/JsonText.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>

namespace vestra {
namespace {

TEST(JsonText, FloatsAreTheShortestTextThatReadsBackAsTheSameFloat) {
    struct Case {
        float value;
        std::string text;
    };
    const Case cases[] = {
        {23.4f, "23.4"},           {22.35f, "22.35"},
        {0.95f, "0.95"},           {500.0f, "500"},
        {-40.0f, "-40"},           {1e-7f, "1e-07"},
        {16777216.0f, "16777216"}, {3.4028235e38f, "3.4028235e+38"},
    };
    for (const Case& c : cases) {
        std::string text = JsonFloat(c.value).dump();
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(std::strtof(text.c_str(), nullptr), c.value) << text;
    }
}

TEST(JsonText, ValuesThatAreNotFiniteAreNull) {
    for (float value : {NAN, INFINITY, -INFINITY}) {
        EXPECT_TRUE(JsonFloat(value).is_null()) << value;
    }
}

TEST(JsonText, TextIsUtf8AndBytesThatAreNoUtf8BecomeReplacementCharacters) {
    struct Case {
        std::string text;
        std::string json;
    };
    const Case cases[] = {
        {"配管\"A\"", "\"配管\\\"A\\\"\"\n"},
        {"a\x1b[2J", "\"a\\u001b[2J\"\n"},
        {"\xff\x81", "\"\xEF\xBF\xBD\xEF\xBF\xBD\"\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JsonText(nlohmann::json(c.text)), c.json);
    }
}

TEST(JsonText, DateTimesAreIsoWithoutAZone) {
    EXPECT_EQ(IsoDateTime({2008, 3, 1, 9, 5, 59}), "2008-03-01T09:05:59");
    EXPECT_EQ(IsoDateTime(DateTime::OleEpoch()), "1899-12-30T00:00:00");
}

} // namespace
} // namespace vestra
