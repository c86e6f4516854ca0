#include "data/ValueChecks.h"

#include "base/TextCodec.h"

namespace vestra {
namespace {

// Ranges are inclusive and compared in single precision, so an emissivity stored as the
// float 0.3 or 1.9 passes.
constexpr float kEmissivityMin = 0.3f;
constexpr float kEmissivityMax = 1.9f;
constexpr float kAlarmMin = -40.0f;
constexpr float kAlarmMaxC = 500.0f;
constexpr float kAlarmMaxF = 932.0f;
constexpr float kReadingMinC = -50.0f;
constexpr float kReadingMaxC = 550.0f;
constexpr float kReadingMinF = -58.0f;
constexpr float kReadingMaxF = 1022.0f;

constexpr std::size_t kMaxLabelLength = 10;

bool isValidName(std::string_view text) {
    return !text.empty() && FindWideChar(text) == 0 && text.find(' ') == std::string_view::npos &&
           CharacterCount(text) <= kMaxLabelLength;
}

bool isCelsius(TemperatureUnit unit) {
    return unit == TemperatureUnit::Celsius;
}

} // namespace

bool IsValidLabel(std::string_view text) {
    return isValidName(text);
}
bool IsValidTag(std::string_view text) {
    return isValidName(text);
}

bool IsValidYear(int year) {
    return year >= 1980 && year <= 2079;
}

bool IsValidEmissivity(float x) {
    return x >= kEmissivityMin && x <= kEmissivityMax;
}

bool IsValidAlarm(float x, TemperatureUnit unit) {
    return x >= kAlarmMin && x <= (isCelsius(unit) ? kAlarmMaxC : kAlarmMaxF);
}

bool IsValidReading(float x, TemperatureUnit unit) {
    return isCelsius(unit) ? x >= kReadingMinC && x <= kReadingMaxC
                           : x >= kReadingMinF && x <= kReadingMaxF;
}

} // namespace vestra
