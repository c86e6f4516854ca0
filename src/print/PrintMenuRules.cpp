#include "print/PrintMenuRules.h"

namespace vestra {
namespace {

template <std::size_t N>
void setAll(PrintOptions& o, const std::array<PrintSwitch, N>& switches, bool on) {
    for (PrintSwitch s : switches) {
        o.*s = on;
    }
}

} // namespace

bool GroupHoldsReadings(const DataSet& data, int n) {
    return data.group(n).recordCount > 0;
}

void ApplyDataOnly(PrintSettings& settings, bool checked, const DataSet& data) {
    settings.PrintDataOption = checked;
    for (int n = 1; n <= kGroupCount; ++n) {
        settings.options.setGroup(n, !checked || GroupHoldsReadings(data, n));
    }
}

void ApplyItemSet(PrintSettings& settings, int selection) {
    if (selection != 1 && selection != 2) {
        selection = 0;
    }
    settings.PrintGroupOption = static_cast<std::int16_t>(selection);
    setAll(settings.options, kSettingsItemSwitches, selection != 2);
    setAll(settings.options, kDataItemSwitches, selection != 1);
}

int OpenPrintMenu(PrintSettings& settings, const DataSet& data) {
    settings.options.printPageNumber = true;
    setAll(settings.options, kHeaderSwitches, true);
    setAll(settings.options, kCommentSwitches, true);
    ApplyDataOnly(settings, settings.PrintDataOption, data);
    ApplyItemSet(settings, settings.PrintGroupOption);
    return settings.PrintGroupOption;
}

} // namespace vestra
