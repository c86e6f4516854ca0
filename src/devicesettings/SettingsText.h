#pragma once

#include "data/DataSet.h"
#include "devicesettings/SettingsForm.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vestra {

// The thermometer's label and group settings as plain text, one item a line, so that they can
// be kept in a file, edited and sent back: "LABEL=label", then for groups 1 to 15 the fields of
// the SET command, for example "03 GROUP03 0.95 500 -40".
std::vector<std::string> SettingsTextLines(const DataSet& data);

// The line of a settings text that is at fault: its 1-based number and its text; text is empty
// when the line is missing (the text ended before group 15).
struct SettingsTextFault {
    int line = 0;
    std::string text;
    bool operator==(const SettingsTextFault&) const = default;
};

// Types the label and the group fields into the editor's boxes and checks them as its send
// button does. Lines of blanks are skipped; line ends may be LF or CR LF; the keyword LABEL=
// may be in any letter case; the group numbers must run from 1 to 15 in order. On success the
// form's table holds the settings; otherwise the first line at fault is returned.
std::optional<SettingsTextFault> ReadSettingsText(std::string_view text, SettingsForm& form);

} // namespace vestra
