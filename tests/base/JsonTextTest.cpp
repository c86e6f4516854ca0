#include "base/JsonText.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vestra {
namespace {

TEST(JsonText, FloatsAreTheShortestTextThatReadsBackAsTheSameFloat) {
    const std::pair<float, std::string> cases[] = {
        {23.4f, "23.4"}, {22.35f, "22.35"},  {500.0f, "500"},
        {-40.0f, "-40"}, {1e-7f, "1e-07"},   {3.4028235e38f, "3.4028235e+38"},
        {NAN, "null"},   {-INFINITY, "null"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(JsonFloat(value).dump(), text);
        if (std::isfinite(value)) {
            EXPECT_EQ(std::strtof(text.c_str(), nullptr), value) << text;
        }
    }
}

TEST(JsonText, TextStaysUtf8AndBytesThatAreNoUtf8BecomeReplacementCharacters) {
    const std::pair<std::string, std::string> cases[] = {
        {"配管\x1b[2J", "\"配管\\u001b[2J\"\n"}, {"\xff\x81", "\"\xEF\xBF\xBD\xEF\xBF\xBD\"\n"}};
    for (const auto& [text, json] : cases) {
        EXPECT_EQ(JsonText(nlohmann::ordered_json(text)), json);
    }
}

} // namespace
} // namespace vestra
