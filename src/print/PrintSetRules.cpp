#include "print/PrintSetRules.h"

#include "print/PrintMenuRules.h"

#include <algorithm>

namespace vestra {

GroupChoice InitialGroupChoice(const PrintSettings& settings) {
    return settings.PrintDataOption ? GroupChoice::WithData : GroupChoice::All;
}

bool ApplyGroupChoice(PrintOptions& options, GroupChoice choice, const DataSet& data) {
    if (choice == GroupChoice::Chosen) {
        return true;
    }
    for (int n = 1; n <= kGroupCount; ++n) {
        options.setGroup(n, choice == GroupChoice::All || GroupHoldsReadings(data, n));
    }
    return false;
}

void ApplyDataItemsDependency(PrintOptions& options) {
    bool anyColumnOrStatistic = std::any_of(kDataItemSwitches.begin() + 1, kDataItemSwitches.end(),
                                            [&](PrintSwitch s) { return options.*s; });
    if (anyColumnOrStatistic) {
        options.printRecords = true;
    }
}

bool HasSomethingToPrint(const PrintOptions& options) {
    bool header = std::any_of(kHeaderSwitches.begin(), kHeaderSwitches.end(),
                              [&](PrintSwitch s) { return options.*s; });
    bool group = std::any_of(options.printGroup.begin(), options.printGroup.end(),
                             [](bool on) { return on; });
    return header || group;
}

bool CheckSomethingToPrint(const PrintOptions& options, MessageSink& messages) {
    if (HasSomethingToPrint(options)) {
        return true;
    }
    messages.showMessage("印刷する項目がありません。", MessageIcon::Exclamation);
    return false;
}

} // namespace vestra
