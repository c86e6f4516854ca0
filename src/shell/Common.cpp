#include "shell/Common.h"

#include "shell/NumberFormat.h"
#include "shell/TextCodec.h"

#include <cstdio>

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

constexpr int kCountWidth = 3;
constexpr int kTemperatureWidth = 5;
constexpr int kEmissivityWidth = 6;

constexpr std::size_t kMaxLabelLength = 10;

std::string aligned(std::string text, bool align, int width) {
    return align ? PadLeft(text, width) : text;
}

bool isValidName(std::string_view text) {
    return !text.empty() && FindWideChar(text) == 0 && text.find(' ') == std::string_view::npos &&
           CharacterCount(text) <= kMaxLabelLength;
}

std::string formatDate(const DateTime& t, bool seconds) {
    char buffer[40];
    if (seconds) {
        std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d %02d:%02d:%02d", t.year, t.month,
                      t.day, t.hour, t.minute, t.second);
    } else {
        std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d %02d:%02d", t.year, t.month, t.day,
                      t.hour, t.minute);
    }
    return buffer;
}

} // namespace

std::string NativeExtension(std::string_view unit) {
    return IsCelsius(unit) ? "qmc" : "qmf";
}

void ShowNotSupported(MessageSink& messages) {
    messages.showMessage("デバッグ中です！\r\nまだその機能はサポートされていません。",
                         MessageIcon::Critical);
}

void ShowInputError(MessageSink& messages) {
    messages.showMessage("入力に誤りがあります！", MessageIcon::Exclamation);
}

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

bool IsValidAlarm(float x, std::string_view unit) {
    return x >= kAlarmMin && x <= (IsCelsius(unit) ? kAlarmMaxC : kAlarmMaxF);
}

bool IsValidReading(float x, std::string_view unit) {
    return IsCelsius(unit) ? x >= kReadingMinC && x <= kReadingMaxC
                           : x >= kReadingMinF && x <= kReadingMaxF;
}

bool IsUnitLetter(std::string_view letter, std::string_view unit) {
    return IsCelsius(unit) ? letter == "C" : letter == "F";
}

std::string FormatCount(std::int16_t n, bool align) {
    return aligned(FormatNumber(static_cast<float>(n), "##0"), align, kCountWidth);
}

std::string FormatTemperature(float x, bool align) {
    return aligned(FormatNumber(x, "###0.0"), align, kTemperatureWidth);
}

std::string FormatEmissivity(float x, bool align) {
    return aligned(FormatNumber(x, "#0.00"), align, kEmissivityWidth);
}

std::string FormatTimestamp(const DateTime& t) {
    return formatDate(t, false);
}
std::string FormatTimestampSeconds(const DateTime& t) {
    return formatDate(t, true);
}

std::string PadLeft(std::string_view text, int width) {
    auto length = static_cast<int>(CharacterCount(text));
    std::string out;
    if (length < width) {
        out.assign(static_cast<std::size_t>(width - length), ' ');
    }
    out += text;
    return out;
}

} // namespace vestra
