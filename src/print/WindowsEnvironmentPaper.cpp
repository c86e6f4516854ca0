#include "print/ReportPaper.h"

#include <windows.h>

namespace vestra {

// The paper of the user's regional settings: DMPAPER_LETTER (1) for Letter, anything else A4.
ReportPaper EnvironmentPaper() {
    DWORD size = 0;
    int got = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IPAPERSIZE | LOCALE_RETURN_NUMBER,
                              reinterpret_cast<LPWSTR>(&size), sizeof size / sizeof(WCHAR));
    return got > 0 && size == DMPAPER_LETTER ? ReportPaper::Letter : ReportPaper::A4;
}

} // namespace vestra
