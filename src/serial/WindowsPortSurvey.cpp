#include "serial/WindowsPortSurvey.h"

#include "base/WindowsText.h"
#include "serial/PortNames.h"

#include <algorithm>
#include <utility>
#include <windows.h>

namespace vestra {
namespace {

// Every port driver enters its ports under this key while they are present: the value's name is
// the kernel's device (\Device\Serial0, \Device\VCP0), its data the COM name.
std::vector<std::string> RegisteredComNames() {
    std::vector<std::string> names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return names;
    }
    for (DWORD index = 0;; ++index) {
        wchar_t device[256];
        wchar_t name[64];
        DWORD deviceSize = sizeof device / sizeof device[0];
        DWORD nameBytes = sizeof name - sizeof name[0]; // room for the terminator it may lack
        DWORD type = 0;
        LONG status = RegEnumValueW(key, index, device, &deviceSize, nullptr, &type,
                                    reinterpret_cast<BYTE*>(name), &nameBytes);
        if (status == ERROR_NO_MORE_ITEMS) {
            break;
        }
        if (status == ERROR_SUCCESS && type == REG_SZ) {
            std::wstring_view text(name, nameBytes / sizeof name[0]);
            names.push_back(Utf8Path(text.substr(0, text.find(L'\0'))));
        }
    }
    RegCloseKey(key);
    return names;
}

} // namespace

PortSurvey SurveyOfComNames(const std::vector<std::string>& names) {
    PortSurvey survey;
    for (const std::string& name : names) {
        int number = ComPortNumber(name);
        if (number >= 1 && number <= kPortCount) {
            survey.builtIn.insert(number);
        } else if (!name.empty()) {
            survey.adapters.push_back({name, name, "", "", "", ""});
        }
    }
    std::sort(survey.adapters.begin(), survey.adapters.end(), [](const auto& a, const auto& b) {
        return std::pair(ComPortNumber(a.byIdPath), a.byIdPath) <
               std::pair(ComPortNumber(b.byIdPath), b.byIdPath);
    });
    return survey;
}

PortSurvey SurveyPorts() {
    return SurveyOfComNames(RegisteredComNames());
}

} // namespace vestra
