#include "print/ReportPaper.h"

#include <cstdint>
#include <langinfo.h>
#include <locale.h>

namespace vestra {
namespace {

// The paper items of a locale are numbers handed back in the place of the text pointer.
int paperItem(nl_item item, locale_t locale) {
    return static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo_l(item, locale)));
}

} // namespace

ReportPaper EnvironmentPaper() {
    // A locale of its own, so that the answer does not hang on what the program set before.
    locale_t locale = newlocale(LC_PAPER_MASK, "", static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr)) {
        return ReportPaper::A4;
    }
    ReportPaper paper =
        PaperForSheet(paperItem(_NL_PAPER_WIDTH, locale), paperItem(_NL_PAPER_HEIGHT, locale));
    freelocale(locale);
    return paper;
}

} // namespace vestra
