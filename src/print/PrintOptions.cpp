#include "print/PrintOptions.h"

namespace vestra {
namespace {

template <std::size_t N>
void switchOn(PrintOptions& o, const std::array<PrintSwitch, N>& switches) {
    for (PrintSwitch s : switches) {
        o.*s = true;
    }
}

} // namespace

PrintOptions AllPrintOptions() {
    PrintOptions o;
    o.printPageNumber = true;
    switchOn(o, kHeaderSwitches);
    switchOn(o, kCommentSwitches);
    switchOn(o, kSettingsItemSwitches);
    switchOn(o, kDataItemSwitches);
    o.printGroup.fill(true);
    return o;
}

} // namespace vestra
