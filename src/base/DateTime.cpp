#include "base/DateTime.h"

#include "base/LocalTime.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <ctime>
#include <vector>

namespace vestra {
namespace {

namespace chr = std::chrono;

// The proleptic Gregorian date. Month and day are kept in one byte each, so a value far out of
// range would wrap into range: callers check the ranges first.
chr::year_month_day civil(int year, int month, int day) {
    return {chr::year(year), chr::month(static_cast<unsigned>(month)),
            chr::day(static_cast<unsigned>(day))};
}

bool isRealDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= 31 &&
           civil(year, month, day).ok();
}

constexpr long long kSecondsPerDay = 86400;
// DaysFromCivil(1899, 12, 30): the OLE epoch counted from 1970-01-01.
constexpr long long kOleEpochDays = -25569;
// OLE dates span 0100-01-01 to 9999-12-31.
constexpr double kOleMin = -657434.0;
constexpr double kOleMax = 2958466.0;

std::string_view trim(std::string_view s) {
    std::size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) {
        return {};
    }
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// Splits on any of the separators; empty parts stay, so "1//2" fails as a number later.
std::vector<std::string_view> split(std::string_view s, std::string_view separators) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= s.size(); ++i) {
        if (i == s.size() || separators.find(s[i]) != std::string_view::npos) {
            parts.push_back(s.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

std::optional<int> number(std::string_view s, std::size_t minDigits, std::size_t maxDigits) {
    if (s.size() < minDigits || s.size() > maxDigits) {
        return std::nullopt;
    }
    int value = 0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || ptr != s.data() + s.size()) {
        return std::nullopt;
    }
    return value;
}

bool parseDate(std::string_view text, DateTime& t) {
    auto parts = split(text, "/-");
    if (parts.size() != 3) {
        return false;
    }
    auto y = number(parts[0], 4, 4);
    auto m = number(parts[1], 1, 2);
    auto d = number(parts[2], 1, 2);
    if (!y || !m || !d) {
        return false;
    }
    t.year = *y;
    t.month = *m;
    t.day = *d;
    return true;
}

bool parseTime(std::string_view text, DateTime& t) {
    auto parts = split(text, ":");
    if (parts.size() != 2 && parts.size() != 3) {
        return false;
    }
    auto h = number(parts[0], 1, 2);
    auto mi = number(parts[1], 1, 2);
    auto s = parts.size() == 3 ? number(parts[2], 1, 2) : std::optional<int>(0);
    if (!h || !mi || !s) {
        return false;
    }
    t.hour = *h;
    t.minute = *mi;
    t.second = *s;
    return true;
}

} // namespace

DateTime DateTime::Now() {
    std::tm local = LocalTime(std::time(nullptr));
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

bool IsLeapYear(int year) {
    return chr::year(year).is_leap();
}

int DaysInMonth(int year, int month) {
    if (month < 1 || month > 12) {
        return 0;
    }
    auto last = chr::year(year) / chr::month(static_cast<unsigned>(month)) / chr::last;
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

bool IsValidDateTime(const DateTime& t) {
    return isRealDate(t.year, t.month, t.day) && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 &&
           t.minute <= 59 && t.second >= 0 && t.second <= 59;
}

std::optional<DateTime> ParseDateTime(std::string_view text) {
    text = trim(text);
    std::size_t blank = text.find(' ');
    DateTime t{};
    t.hour = t.minute = t.second = 0;
    if (!parseDate(text.substr(0, blank), t)) {
        return std::nullopt;
    }
    if (blank != std::string_view::npos && !parseTime(trim(text.substr(blank)), t)) {
        return std::nullopt;
    }
    if (!IsValidDateTime(t)) {
        return std::nullopt;
    }
    return t;
}

long long DaysFromCivil(int year, int month, int day) {
    return chr::sys_days(civil(year, month, day)).time_since_epoch().count();
}

DateTime CivilFromDays(long long days) {
    chr::year_month_day date{chr::sys_days(chr::days(days))};
    DateTime t;
    t.year = static_cast<int>(date.year());
    t.month = static_cast<int>(static_cast<unsigned>(date.month()));
    t.day = static_cast<int>(static_cast<unsigned>(date.day()));
    t.hour = t.minute = t.second = 0;
    return t;
}

DateTime AddSeconds(const DateTime& t, long long seconds) {
    long long total = DaysFromCivil(t.year, t.month, t.day) * kSecondsPerDay + t.hour * 3600LL +
                      t.minute * 60LL + t.second + seconds;
    long long days =
        total >= 0 ? total / kSecondsPerDay : (total - kSecondsPerDay + 1) / kSecondsPerDay;
    long long rest = total - days * kSecondsPerDay;
    DateTime r = CivilFromDays(days);
    r.hour = static_cast<int>(rest / 3600);
    r.minute = static_cast<int>(rest / 60 % 60);
    r.second = static_cast<int>(rest % 60);
    return r;
}

double ToOleDate(const DateTime& t) {
    double days = static_cast<double>(DaysFromCivil(t.year, t.month, t.day) - kOleEpochDays);
    double fraction =
        (t.hour * 3600 + t.minute * 60 + t.second) / static_cast<double>(kSecondsPerDay);
    return days >= 0 ? days + fraction : days - fraction;
}

std::optional<DateTime> FromOleDate(double ole) {
    if (!std::isfinite(ole) || ole < kOleMin || ole >= kOleMax) {
        return std::nullopt;
    }
    double whole = std::trunc(ole);
    auto seconds = std::llround(std::fabs(ole - whole) * kSecondsPerDay);
    DateTime day = CivilFromDays(static_cast<long long>(whole) + kOleEpochDays);
    DateTime t = AddSeconds(day, seconds);
    if (t.year > 9999) {
        return std::nullopt;
    }
    return t;
}

} // namespace vestra
