#include "devicesettings/StepScale.h"

#include "base/NumberFormat.h"
#include "base/TemperatureUnit.h"

#include <algorithm>
#include <cmath>

namespace vestra {
namespace {

constexpr int kEmissivityScale = 100;
constexpr int kAlarmOffset = 40;
constexpr int kLowestEmissivity = 30;
constexpr int kHighestEmissivity = 190;
constexpr int kHighestAlarmC = 500 + kAlarmOffset;
constexpr int kHighestAlarmF = 932 + kAlarmOffset;
// Far outside every limit, yet safe to convert to int; unreadable text reads as 10000.
constexpr double kPositionBound = 1e9;

bool isEmissivity(SettingBox number) {
    return number == SettingBox::Emissivity;
}

} // namespace

int ToPosition(SettingBox number, float value) {
    double raw = isEmissivity(number) ? static_cast<double>(value) * kEmissivityScale
                                      : static_cast<double>(value) + kAlarmOffset;
    // The default rounding mode sends halves to the even neighbour.
    double rounded = std::nearbyint(std::clamp(raw, -kPositionBound, kPositionBound));
    return static_cast<int>(rounded);
}

float FromPosition(SettingBox number, int position) {
    if (isEmissivity(number)) {
        return static_cast<float>(position) / static_cast<float>(kEmissivityScale);
    }
    return static_cast<float>(position - kAlarmOffset);
}

int LowestPosition(SettingBox number) {
    return isEmissivity(number) ? kLowestEmissivity : 0;
}

int HighestPosition(SettingBox number, TemperatureUnit unit) {
    if (isEmissivity(number)) {
        return kHighestEmissivity;
    }
    return unit == TemperatureUnit::Celsius ? kHighestAlarmC : kHighestAlarmF;
}

std::string FormatBoxNumber(SettingBox number, float value) {
    return FormatNumber(value, isEmissivity(number) ? "#0.00" : "###0");
}

} // namespace vestra
