#include "history/StoredValue.h"

#include "base/VisibleText.h"
#include "history/SqlText.h"

#include <charconv>
#include <cmath>

namespace vestra::history {
void ThrowDamaged(const StoredRow& row, std::string_view column, std::string_view text,
                  const std::string& reason) {
    throw DamagedDatabase("履歴データベースが壊れています: " + std::string(row.table) + " 行 " +
                          VisibleText(row.key) + ": " + std::string(column) + " '" +
                          VisibleText(text) + "' " + reason);
}

long long StoredInteger(const StoredRow& row, std::string_view column, std::string_view text,
                        long long min, long long max) {
    long long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        ThrowDamaged(row, column, text, "は整数ではありません");
    }
    if (value < min || value > max) {
        ThrowDamaged(row, column, text,
                     "は範囲外です (" + std::to_string(min) + "〜" + std::to_string(max) + ")");
    }
    return value;
}

float StoredFloat(const StoredRow& row, std::string_view column, std::string_view text) {
    float value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        ThrowDamaged(row, column, text, "は数ではありません");
    }
    return value;
}

DateTime StoredTime(const StoredRow& row, std::string_view column, std::string_view text) {
    std::optional<DateTime> time = ParseDateTime(text);
    if (!time || text.empty()) {
        ThrowDamaged(row, column, text, "は日時ではありません");
    }
    return *time;
}

AlarmMark StoredAlarm(const StoredRow& row, std::string_view column, std::string_view text) {
    for (AlarmMark mark : {AlarmMark::None, AlarmMark::High, AlarmMark::Low}) {
        if (text == SqlAlarm(mark)) {
            return mark;
        }
    }
    ThrowDamaged(row, column, text, "は警報の印ではありません");
}

TemperatureUnit StoredUnit(const StoredRow& row, std::string_view column, std::string_view text) {
    std::optional<TemperatureUnit> unit = UnitFromText(text);
    if (!unit) {
        ThrowDamaged(row, column, text, "は単位ではありません");
    }
    return *unit;
}

} // namespace vestra::history
