#include "base/TemperatureUnit.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

struct UnitCase {
    TemperatureUnit unit;
    const char* text;
    const char* letter;
    const char* extension;
};

constexpr UnitCase kCases[] = {
    {TemperatureUnit::Celsius, "ﾟC", "C", "qmc"},
    {TemperatureUnit::Fahrenheit, "ﾟF", "F", "qmf"},
};

TEST(TemperatureUnitTest, EachUnitHasItsTextsAndIsReadBackFromThem) {
    for (const UnitCase& c : kCases) {
        EXPECT_EQ(UnitText(c.unit), c.text);
        EXPECT_EQ(UnitLetter(c.unit), c.letter);
        EXPECT_EQ(NativeExtension(c.unit), c.extension);
        EXPECT_EQ(UnitFromText(c.text), c.unit) << c.text;
        EXPECT_EQ(UnitFromLetter(c.letter), c.unit) << c.letter;
    }
}

TEST(TemperatureUnitTest, AnyOtherTextIsNoUnit) {
    for (const char* odd : {"", "C", "ﾟc", "ﾟC ", " ﾟF", "°C", "ﾟ", "ﾟCﾟF"}) {
        EXPECT_EQ(UnitFromText(odd), std::nullopt) << odd;
    }
    for (const char* odd : {"", "c", "f", "ﾟC", "CF", "K"}) {
        EXPECT_EQ(UnitFromLetter(odd), std::nullopt) << odd;
    }
}

} // namespace
} // namespace vestra
