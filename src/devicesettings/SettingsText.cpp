#include "devicesettings/SettingsText.h"

#include "devicesettings/FieldText.h"
#include "devicesettings/SettingsLine.h"

#include <array>
#include <cctype>
#include <map>
#include <sstream>

namespace vestra {
namespace {

constexpr std::string_view kLabelKeyword = "LABEL=";
constexpr std::array kGroupBoxes = {SettingBox::Tag, SettingBox::Emissivity, SettingBox::AlarmHigh,
                                    SettingBox::AlarmLow};

struct NumberedLine {
    int number = 0;
    std::string text;
};

// The lines that hold something, with their numbers in the file.
std::vector<NumberedLine> contentLines(std::string_view text) {
    std::vector<NumberedLine> lines;
    int number = 0;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (!TrimBlanks(line).empty()) {
            lines.push_back({number, std::string(line)});
        }
    }
    return lines;
}

bool startsWithLabelKeyword(std::string_view line) {
    if (line.size() < kLabelKeyword.size()) {
        return false;
    }
    for (std::size_t i = 0; i < kLabelKeyword.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(line[i])) != kLabelKeyword[i]) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string word; in >> word;) {
        out.push_back(word);
    }
    return out;
}

// Types one group line; false when it is not the group number and four fields.
bool typeGroup(SettingsForm& form, int group, const std::string& line) {
    std::vector<std::string> fields = words(line);
    if (fields.size() != 1 + kGroupBoxes.size() ||
        ReadNumber(fields[0]) != static_cast<float>(group)) {
        return false;
    }
    for (std::size_t i = 0; i < kGroupBoxes.size(); ++i) {
        form.type(group, kGroupBoxes[i], fields[i + 1]);
    }
    return true;
}

} // namespace

std::vector<std::string> SettingsTextLines(const DataSet& data) {
    std::vector<std::string> lines{std::string(kLabelKeyword) + data.deviceLabel};
    for (int g = 1; g <= kGroupCount; ++g) {
        lines.push_back(FormatSettingsFields(g, data.group(g)));
    }
    return lines;
}

std::optional<SettingsTextFault> ReadSettingsText(std::string_view text, SettingsForm& form) {
    std::vector<NumberedLine> lines = contentLines(text);
    // The file line of the label (group 0) and of each group, as far as they were typed.
    std::map<int, const NumberedLine*> lineOfGroup;
    std::optional<SettingsTextFault> malformed;
    for (std::size_t i = 0; i < lines.size() && !malformed; ++i) {
        const NumberedLine& line = lines[i];
        int group = static_cast<int>(i);
        bool typed = false;
        if (group == 0 && startsWithLabelKeyword(line.text)) {
            form.type(0, SettingBox::Label, line.text.substr(kLabelKeyword.size()));
            typed = true;
        } else if (group >= 1 && group <= kGroupCount) {
            typed = typeGroup(form, group, line.text);
        }
        if (typed) {
            lineOfGroup[group] = &line;
        } else {
            malformed = SettingsTextFault{line.number, line.text};
        }
    }
    if (!malformed && lines.size() < 1 + static_cast<std::size_t>(kGroupCount)) {
        malformed = SettingsTextFault{lines.empty() ? 1 : lines.back().number + 1, ""};
    }
    // A value that fails its check on an earlier line is the first fault; groups after a
    // malformed line were never typed and fail the check only because of it.
    std::optional<InputFault> invalid = form.validate();
    if (invalid && lineOfGroup.contains(invalid->group)) {
        const NumberedLine& line = *lineOfGroup[invalid->group];
        if (!malformed || line.number < malformed->line) {
            return SettingsTextFault{line.number, line.text};
        }
    }
    return malformed;
}

} // namespace vestra
