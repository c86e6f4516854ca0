#include "devicesettings/SettingsForm.h"

#include "base/TextCodec.h"
#include "data/ValueChecks.h"
#include "devicesettings/FieldText.h"
#include "devicesettings/SettingDefaults.h"

#include <algorithm>

namespace vestra {
namespace {

constexpr std::array kNumbers = {SettingBox::Emissivity, SettingBox::AlarmHigh,
                                 SettingBox::AlarmLow};

std::size_t slot(int group) {
    return static_cast<std::size_t>(group - 1);
}

// The label's text comes first, then tag, emissivity, high and low of each group.
std::size_t textIndex(int group, SettingBox box) {
    if (box == SettingBox::Label) {
        return 0;
    }
    return 1 + slot(group) * 4 + static_cast<std::size_t>(box) -
           static_cast<std::size_t>(SettingBox::Tag);
}
std::size_t controlSlot(SettingBox number) {
    return static_cast<std::size_t>(number) - static_cast<std::size_t>(SettingBox::Emissivity);
}

// The thermometer's display shows printable ASCII and half-width katakana; a control
// character would even break the command line it travels in.
bool isShownByThermometer(unsigned char byte) {
    return (byte >= 0x20 && byte <= 0x7E) || (byte >= 0xA1 && byte <= 0xDF);
}

// Besides the thermometer's own rule, a text must survive the conversion to code page 932
// unchanged, or something else than what was checked would be sent.
bool isValidName(const std::string& trimmed) {
    if (!IsValidTag(trimmed) || !IsCp932Representable(trimmed)) {
        return false;
    }
    std::string bytes = ToCp932(trimmed);
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return isShownByThermometer(static_cast<unsigned char>(c)); });
}

} // namespace

SettingsForm::SettingsForm(DeviceSettings& settings, TemperatureUnit unit)
    : settings_(settings), unit_(unit) {
    for (auto& group : controls_) {
        for (SettingBox number : kNumbers) {
            group[controlSlot(number)] = {0, LowestPosition(number),
                                          HighestPosition(number, unit_)};
        }
    }
}

const std::string& SettingsForm::text(int group, SettingBox which) const {
    return texts_.at(textIndex(group, which));
}

void SettingsForm::type(int group, SettingBox which, std::string text) {
    box(group, which) = std::move(text);
}

const StepControl& SettingsForm::control(int group, SettingBox number) const {
    return controls_.at(slot(group)).at(controlSlot(number));
}

std::string& SettingsForm::box(int group, SettingBox which) {
    return texts_.at(textIndex(group, which));
}

StepControl& SettingsForm::controlOf(int group, SettingBox number) {
    return controls_.at(slot(group)).at(controlSlot(number));
}

float& SettingsForm::stored(int group, SettingBox number) {
    GroupSetting& row = settings_.group(group);
    switch (number) {
    case SettingBox::Emissivity:
        return row.emissivity;
    case SettingBox::AlarmHigh:
        return row.alarmHigh;
    default:
        return row.alarmLow;
    }
}

void SettingsForm::setLabel(std::string_view text) {
    box(0, SettingBox::Label) = TrimBlanks(text);
    settings_.label = box(0, SettingBox::Label);
}

void SettingsForm::setTag(int group, std::string_view text) {
    box(group, SettingBox::Tag) = TrimBlanks(text);
    settings_.group(group).tag = box(group, SettingBox::Tag);
}

void SettingsForm::setNumber(int group, SettingBox number, float value) {
    moveTo(group, number, ToPosition(number, value));
}

// The control takes the position, the table the value of that position, the box its text;
// the partner alarm's limit follows so that high always stays above low when stepping.
void SettingsForm::moveTo(int group, SettingBox number, int position) {
    controlOf(group, number).position = position;
    float value = FromPosition(number, position);
    stored(group, number) = value;
    box(group, number) = FormatBoxNumber(number, value);
    if (number == SettingBox::AlarmHigh) {
        controlOf(group, SettingBox::AlarmLow).max = position - 1;
    } else if (number == SettingBox::AlarmLow) {
        controlOf(group, SettingBox::AlarmHigh).min = position + 1;
    }
}

void SettingsForm::loadFrom(const DataSet& data) {
    setLabel(data.deviceLabel);
    for (int g = 1; g <= kGroupCount; ++g) {
        const GroupSetting& row = data.group(g);
        setTag(g, row.tag);
        setNumber(g, SettingBox::Emissivity, row.emissivity);
        setNumber(g, SettingBox::AlarmHigh, row.alarmHigh);
        setNumber(g, SettingBox::AlarmLow, row.alarmLow);
    }
}

void SettingsForm::loadDefaults() {
    setLabel(kDefaultLabel);
    for (int g = 1; g <= kGroupCount; ++g) {
        applyGroupDefaults(g);
    }
}

void SettingsForm::applyGroupDefaults(int group) {
    setTag(group, DefaultTag(group));
    setNumber(group, SettingBox::Emissivity, kDefaultEmissivity);
    setNumber(group, SettingBox::AlarmHigh, DefaultAlarmHigh(unit_));
    setNumber(group, SettingBox::AlarmLow, kDefaultAlarmLow);
}

bool SettingsForm::step(int group, SettingBox number, int direction) {
    const StepControl& c = control(group, number);
    if (direction > 0 ? c.position >= c.max : c.position <= c.min) {
        return false;
    }
    float typed = ReadNumber(box(group, number));
    bool typedInRange =
        typed >= FromPosition(number, c.min) && typed <= FromPosition(number, c.max);
    int from =
        typed != stored(group, number) && typedInRange ? ToPosition(number, typed) : c.position;
    moveTo(group, number, std::clamp(from + direction, c.min, c.max));
    return true;
}

std::optional<InputFault> SettingsForm::validate() {
    std::string label = TrimBlanks(box(0, SettingBox::Label));
    if (!isValidName(label)) {
        return InputFault{0, SettingBox::Label};
    }
    setLabel(label);
    for (int g = 1; g <= kGroupCount; ++g) {
        if (auto box = checkGroup(g)) {
            return InputFault{g, *box};
        }
    }
    return std::nullopt;
}

// Stores the group's values in order and returns the first box that fails.
std::optional<SettingBox> SettingsForm::checkGroup(int group) {
    std::string tag = TrimBlanks(box(group, SettingBox::Tag));
    if (!isValidName(tag)) {
        return SettingBox::Tag;
    }
    setTag(group, tag);
    float e = ReadNumber(box(group, SettingBox::Emissivity));
    if (!IsValidEmissivity(e)) {
        return SettingBox::Emissivity;
    }
    setNumber(group, SettingBox::Emissivity, e);
    float h = ReadNumber(box(group, SettingBox::AlarmHigh));
    float l = ReadNumber(box(group, SettingBox::AlarmLow));
    if (!IsValidAlarm(h, unit_)) {
        return SettingBox::AlarmHigh;
    }
    if (!IsValidAlarm(l, unit_)) {
        return SettingBox::AlarmLow;
    }
    // Compared on the step grid, where they will be stored: 2.5 and 2.4 both become 2.
    if (ToPosition(SettingBox::AlarmHigh, h) <= ToPosition(SettingBox::AlarmLow, l)) {
        return SettingBox::AlarmHigh;
    }
    setNumber(group, SettingBox::AlarmHigh, h);
    setNumber(group, SettingBox::AlarmLow, l);
    return std::nullopt;
}

bool SettingsForm::isAtDefaults(int group) const {
    auto reads = [&](SettingBox number, float value) {
        return ReadNumber(text(group, number)) == value;
    };
    return text(group, SettingBox::Tag) == DefaultTag(group) &&
           reads(SettingBox::Emissivity, kDefaultEmissivity) &&
           reads(SettingBox::AlarmHigh, DefaultAlarmHigh(unit_)) &&
           reads(SettingBox::AlarmLow, kDefaultAlarmLow);
}

} // namespace vestra
