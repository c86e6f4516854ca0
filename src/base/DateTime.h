#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vestra {

// A civil date and time of day to the second, without time zone: what the thermometer's clock
// reports and what the data file stores.
struct DateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const DateTime&) const = default;

    // The date-time of 0.0 in OLE Automation form: 1899-12-30 00:00:00.
    static DateTime OleEpoch() { return {}; }
    // The computer's local clock, to the second.
    static DateTime Now();
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// True when every field is in range and the day exists in its month (no 31 April, 29 February
// only in leap years).
bool IsValidDateTime(const DateTime& t);

// Reads "YYYY/MM/DD hh:mm:ss", "YYYY/MM/DD hh:mm" or "YYYY/MM/DD", also with "-" between the date
// parts and with one- or two-digit month, day, hour, minute and second. Blanks around the text
// are ignored. Empty when the text does not match or names a day that does not exist.
std::optional<DateTime> ParseDateTime(std::string_view text);

// Days since 1899-12-30 with the time of day as fraction (OLE Automation date). Before the
// epoch the fraction counts forward from the day, as OLE dates do: -1.25 is 1899-12-29 06:00.
double ToOleDate(const DateTime& t);

// The inverse, rounded to the nearest second. Empty for a value that is not finite or lies
// outside the years 100 to 9999 that OLE dates cover.
std::optional<DateTime> FromOleDate(double ole);

// Days from 1970-01-01 to the date, for any proleptic Gregorian date.
long long DaysFromCivil(int year, int month, int day);
DateTime CivilFromDays(long long days);

// Adds whole seconds, carrying into minutes, hours and days.
DateTime AddSeconds(const DateTime& t, long long seconds);

} // namespace vestra
