#pragma once

#include "base/TemperatureUnit.h"
#include "data/DataSet.h"
#include "devicesettings/StepScale.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vestra {

// One up-down control: its position and the limits it may step within.
struct StepControl {
    int position = 0;
    int min = 0;
    int max = 0;
};

// The box a failed check points at; group 0 for the label.
struct InputFault {
    int group = 0;
    SettingBox box = SettingBox::Label;
    bool operator==(const InputFault&) const = default;
};

// The device settings editor without its window: the texts of its boxes, the up-down controls
// of the numbers, and the table of settings to send that it writes. Typing changes only a
// box's text; the table changes when a value is set, an arrow is clicked or the form is
// validated. Groups are numbered 1 to 15.
class SettingsForm {
public:
    SettingsForm(DeviceSettings& settings, TemperatureUnit unit);

    TemperatureUnit unit() const { return unit_; }

    // The text of a box as typed; box Label ignores the group.
    const std::string& text(int group, SettingBox box) const;
    void type(int group, SettingBox box, std::string text);
    const StepControl& control(int group, SettingBox number) const;

    // Each writes the box and the table: texts trimmed, numbers moved onto the step grid.
    // A number set this way is not bounded by the coupled alarm limits.
    void setLabel(std::string_view text);
    void setTag(int group, std::string_view text);
    void setNumber(int group, SettingBox number, float value);

    // Opening: the label and the groups of a data set, or the defaults.
    void loadFrom(const DataSet& data);
    void loadDefaults();
    void applyGroupDefaults(int group);

    // An arrow click (direction +1 up, -1 down). Stepping continues from a number typed into
    // the box when it differs from the stored one and lies within the control's limits,
    // otherwise from the stored value. False when the control is already at its limit:
    // then nothing changes.
    bool step(int group, SettingBox number, int direction);

    // Checks every box in order (label, then per group tag, emissivity, high, low, pair) and
    // stores what passed. The first failure is returned; what passed before it stays stored.
    std::optional<InputFault> validate();

    // True when the boxes of the group read its defaults: the restore button is then disabled.
    bool isAtDefaults(int group) const;

private:
    std::string& box(int group, SettingBox box);
    StepControl& controlOf(int group, SettingBox number);
    float& stored(int group, SettingBox number);
    void moveTo(int group, SettingBox number, int position);
    std::optional<SettingBox> checkGroup(int group);

    DeviceSettings& settings_;
    TemperatureUnit unit_;
    std::array<std::string, 1 + 4 * kGroupCount> texts_;
    std::array<std::array<StepControl, 3>, kGroupCount> controls_;
};

} // namespace vestra
