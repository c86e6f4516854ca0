#pragma once

#include "base/TemperatureUnit.h"

#include <string>
#include <string_view>

namespace vestra {

// Fixed texts of the device settings editor.

// Four lines telling the measuring range of the thermometer type, for example
// "お使いの機種の", "測定範囲は", "   -40ﾟC から", "   500ﾟC です。".
std::string MeasuringRangeText(TemperatureUnit unit);

// Sending settings resets the thermometer, which erases its recorded readings.
std::string MemoryWarningText();

// " 1" to "15": the group number right-aligned in two characters.
std::string TabCaption(int group);

// "グループ１" to "グループ１５", with full-width digits.
std::string GroupFrameCaption(int group);

std::string SendConfirmationText();
std::string SendCompletedText();
std::string RestoreDefaultsQuestionText();

} // namespace vestra
