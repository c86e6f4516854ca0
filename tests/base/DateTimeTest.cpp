#include "base/DateTime.h"

#include <gtest/gtest.h>
#include <limits>

namespace vestra {
namespace {

TEST(DateTime, KnowsWhichDaysExist) {
    EXPECT_TRUE(IsValidDateTime({2000, 2, 29, 0, 0, 0}));
    EXPECT_FALSE(IsValidDateTime({1900, 2, 29, 0, 0, 0}));
    EXPECT_TRUE(IsValidDateTime({2024, 2, 29, 0, 0, 0}));
    EXPECT_FALSE(IsValidDateTime({2023, 2, 29, 0, 0, 0}));
    EXPECT_FALSE(IsValidDateTime({2023, 4, 31, 0, 0, 0}));
    EXPECT_FALSE(IsValidDateTime({2023, 13, 1, 0, 0, 0}));
    EXPECT_FALSE(IsValidDateTime({2023, 1, 0, 0, 0, 0}));
    EXPECT_FALSE(IsValidDateTime({2023, 1, 1, 24, 0, 0}));
    EXPECT_FALSE(IsValidDateTime({2023, 1, 1, 0, 60, 0}));
    EXPECT_FALSE(IsValidDateTime({2023, 1, 1, 0, 0, 60}));
    // Values that would wrap into range if kept in a byte.
    EXPECT_FALSE(IsValidDateTime({2023, 257, 1, 0, 0, 0}));
    EXPECT_FALSE(IsValidDateTime({2023, 1, 257, 0, 0, 0}));
    EXPECT_FALSE(IsValidDateTime({2023, -255, 1, 0, 0, 0}));
    EXPECT_EQ(DaysInMonth(2023, 269), 0);
}

TEST(DateTime, ParsesTheFormsTheThermometerAndUsersWrite) {
    DateTime expected{2008, 3, 1, 9, 5, 7};
    EXPECT_EQ(ParseDateTime("2008/03/01 09:05:07"), expected);
    EXPECT_EQ(ParseDateTime("2008-3-1 9:5:7"), expected);
    EXPECT_EQ(ParseDateTime("  2008/03/01   09:05:07 "), expected);
    EXPECT_EQ(ParseDateTime("2008/03/01"), (DateTime{2008, 3, 1, 0, 0, 0}));
    EXPECT_EQ(ParseDateTime("2008/03/01 09:05"), (DateTime{2008, 3, 1, 9, 5, 0}));
}

TEST(DateTime, RejectsMalformedAndNonexistentDates) {
    for (const char* bad :
         {"", "2008/04/31", "2007/02/29 00:00:00", "08/03/01", "2008/03", "2008/03/01 25:00:00",
          "2008/003/01", "2008/03/01 1:2:3:4", "2008/+3/01", "2008/03/01x", "２００８/03/01",
          "2008//01", "2008/03/01 09:05:07 x"}) {
        EXPECT_FALSE(ParseDateTime(bad).has_value()) << bad;
    }
}

TEST(DateTime, OleDatesRoundTripAtTheEdgesOfTheDay) {
    for (DateTime t : {DateTime{1980, 1, 1, 0, 0, 0}, DateTime{2079, 12, 31, 23, 59, 59},
                       DateTime{2000, 2, 29, 12, 0, 0}, DateTime{2008, 3, 1, 23, 59, 59},
                       DateTime{2008, 3, 1, 0, 0, 1}, DateTime{1899, 12, 29, 6, 0, 0}}) {
        auto back = FromOleDate(ToOleDate(t));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, t) << ToOleDate(t);
    }
    EXPECT_DOUBLE_EQ(ToOleDate({1899, 12, 30, 0, 0, 0}), 0.0);
    EXPECT_DOUBLE_EQ(ToOleDate({1900, 1, 1, 12, 0, 0}), 2.5);
    EXPECT_DOUBLE_EQ(ToOleDate({1899, 12, 29, 6, 0, 0}), -1.25);
    EXPECT_DOUBLE_EQ(ToOleDate({2000, 1, 1, 0, 0, 0}), 36526.0);
}

TEST(DateTime, OleDatesRoundToTheNearestSecond) {
    double justBeforeMidnight = 36526.0 - 0.4 / 86400.0;
    EXPECT_EQ(FromOleDate(justBeforeMidnight), (DateTime{2000, 1, 1, 0, 0, 0}));
    double halfSecondShort = 36526.0 - 0.6 / 86400.0;
    EXPECT_EQ(FromOleDate(halfSecondShort), (DateTime{1999, 12, 31, 23, 59, 59}));
    EXPECT_EQ(FromOleDate(0.0), DateTime::OleEpoch());
}

TEST(DateTime, OleDatesOutsideTheCalendarAreRefused) {
    EXPECT_FALSE(FromOleDate(1e300).has_value());
    EXPECT_FALSE(FromOleDate(-1e9).has_value());
    EXPECT_FALSE(FromOleDate(std::numeric_limits<double>::quiet_NaN()).has_value());
    EXPECT_FALSE(FromOleDate(std::numeric_limits<double>::infinity()).has_value());
    EXPECT_EQ(FromOleDate(2958465.99999)->year, 9999);
}

TEST(DateTime, AddSecondsCarriesAcrossYears) {
    EXPECT_EQ(AddSeconds({1999, 12, 31, 23, 59, 59}, 1), (DateTime{2000, 1, 1, 0, 0, 0}));
    EXPECT_EQ(AddSeconds({2000, 3, 1, 0, 0, 0}, -1), (DateTime{2000, 2, 29, 23, 59, 59}));
}

} // namespace
} // namespace vestra
