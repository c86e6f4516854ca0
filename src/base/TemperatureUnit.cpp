#include "base/TemperatureUnit.h"

namespace vestra {
namespace {

struct UnitTexts {
    TemperatureUnit unit;
    std::string_view text;
    std::string_view letter;
    std::string_view extension;
};

constexpr UnitTexts kTexts[] = {{TemperatureUnit::Celsius, "ﾟC", "C", "qmc"},
                                {TemperatureUnit::Fahrenheit, "ﾟF", "F", "qmf"}};

const UnitTexts& textsOf(TemperatureUnit unit) {
    return kTexts[unit == TemperatureUnit::Celsius ? 0 : 1];
}

template <std::string_view UnitTexts::*Field>
std::optional<TemperatureUnit> unitWith(std::string_view text) {
    for (const UnitTexts& texts : kTexts) {
        if (texts.*Field == text) {
            return texts.unit;
        }
    }
    return std::nullopt;
}

} // namespace

std::string UnitText(TemperatureUnit unit) {
    return std::string(textsOf(unit).text);
}

std::string UnitLetter(TemperatureUnit unit) {
    return std::string(textsOf(unit).letter);
}

std::string NativeExtension(TemperatureUnit unit) {
    return std::string(textsOf(unit).extension);
}

std::optional<TemperatureUnit> UnitFromText(std::string_view text) {
    return unitWith<&UnitTexts::text>(text);
}

std::optional<TemperatureUnit> UnitFromLetter(std::string_view letter) {
    return unitWith<&UnitTexts::letter>(letter);
}

} // namespace vestra
