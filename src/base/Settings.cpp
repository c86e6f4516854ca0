#include "base/Settings.h"

#include "base/AtomicFile.h"
#include "base/IniFile.h"
#include "base/TextCodec.h"
#include "base/UserFolders.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vestra {
namespace {

constexpr std::string_view kSetting = "Setting";
constexpr std::string_view kPrint = "Print";
constexpr std::string_view kPorts = "Ports";
constexpr std::string_view kMissing = "???";
constexpr int kMaxPort = 16;
constexpr std::size_t kMaxPortDigits = 3;

std::string_view trimmed(std::string_view text) {
    std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return {};
    }
    return text.substr(start, text.find_last_not_of(' ') - start + 1);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && isDigit(text[i])) {
        ++i;
    }
    return i;
}

// Length of the decimal number at the start of text (sign, digits, fraction, exponent), 0 when
// there is none.
std::size_t numberLength(std::string_view text) {
    std::size_t i = text.empty() || (text[0] != '+' && text[0] != '-') ? 0 : 1;
    std::size_t digitsStart = i;
    i = skipDigits(text, i);
    std::size_t intDigits = i - digitsStart;
    std::size_t fracDigits = 0;
    if (i < text.size() && text[i] == '.') {
        std::size_t fracStart = i + 1;
        fracDigits = skipDigits(text, fracStart) - fracStart;
        i = fracDigits > 0 || intDigits > 0 ? fracStart + fracDigits : i;
    }
    if (intDigits == 0 && fracDigits == 0) {
        return 0;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t e = i + 1;
        e += e < text.size() && (text[e] == '+' || text[e] == '-') ? 1 : 0;
        std::size_t end = skipDigits(text, e);
        i = end > e ? end : i;
    }
    return i;
}

// The number at the start of the value after blanks; 0 when it does not start with one.
double leadingNumber(std::string_view value) {
    std::string_view text = value.substr(std::min(value.find_first_not_of(" \t"), value.size()));
    std::size_t n = numberLength(text);
    // from_chars reads the decimal point whatever the locale the program runs under; it takes
    // no plus sign, which the number may carry.
    std::size_t plus = n > 0 && text[0] == '+' ? 1 : 0;
    double number = 0.0;
    auto [end, error] = std::from_chars(text.data() + plus, text.data() + n, number);
    if (error == std::errc::result_out_of_range) {
        // As the C library reads it: too large is infinite, too small is zero.
        bool tiny = text.substr(0, n).find("e-") != std::string_view::npos ||
                    text.substr(0, n).find("E-") != std::string_view::npos;
        number = tiny ? 0.0 : (text[0] == '-' ? -HUGE_VAL : HUGE_VAL);
    }
    return number;
}

std::string upperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return upper;
}

// Only the Fahrenheit text, in either letter case, names Fahrenheit; anything else, a missing
// key too, is Celsius.
TemperatureUnit readUnit(std::string_view value) {
    return UnitFromText(upperCase(trimmed(value))).value_or(TemperatureUnit::Celsius);
}

// Only a value that is a number and equals 0 turns the question off; anything unreadable
// keeps asking, which is the safe side.
bool readAskModelType(std::string_view value) {
    std::string_view text = trimmed(value);
    bool isNumber = !text.empty() && numberLength(text) == text.size();
    return !isNumber || leadingNumber(text) != 0.0;
}

std::int16_t readPort(std::string_view value) {
    double port = std::nearbyint(leadingNumber(value)); // halves to even
    return port < 1 || port > kMaxPort ? 1 : static_cast<std::int16_t>(port);
}

std::int16_t readPrintGroup(std::string_view value) {
    double n = leadingNumber(value);
    return n == 1.0 ? 1 : n == 2.0 ? 2 : 0;
}

std::string readLastFile(std::string_view value) {
    return value == kMissing ? std::string() : std::string(trimmed(value));
}

std::string iniValue(const IniFile& ini, std::string_view section, std::string_view key) {
    return ini.value(section, key).value_or(std::string(kMissing));
}

std::string numberWithBlank(int n) {
    return " " + std::to_string(n);
}

// Keys that are not COM followed by a number are someone else's and left alone.
std::map<int, std::string> portMap(const IniFile& ini) {
    std::map<int, std::string> ports;
    for (const auto& [key, device] : ini.entries(kPorts)) {
        std::string upper = upperCase(key);
        std::string_view digits =
            std::string_view(upper).substr(std::min<std::size_t>(3, upper.size()));
        bool com = upper.starts_with("COM") && !digits.empty() && digits.size() <= kMaxPortDigits &&
                   skipDigits(digits, 0) == digits.size();
        if (com) {
            ports[std::atoi(std::string(digits).c_str())] = device;
        }
    }
    return ports;
}

} // namespace

std::optional<std::string> SettingsFilePath() {
    return UserFilePath(UserFolderKind::Settings, "MORVA/VESTRA2/Config/VESTRA.INI");
}

std::string NoSettingsFileText() {
    return NoUserFolderText("設定ファイル", UserFolderKind::Settings);
}

std::string ReadIniString(const std::string& file, std::string_view section, std::string_view key) {
    return iniValue(IniFile::Load(file), section, key);
}

Settings ReadSettings(const IniFile& ini) {
    Settings settings;
    settings.CurrentUnit = readUnit(iniValue(ini, kSetting, "Unit"));
    settings.AskModelType = readAskModelType(iniValue(ini, kSetting, "UnitChange"));
    settings.PortNumber = readPort(iniValue(ini, kSetting, "ComPort"));
    settings.PrintDataOption = leadingNumber(iniValue(ini, kPrint, "Data")) == 1.0;
    settings.PrintGroupOption = readPrintGroup(iniValue(ini, kPrint, "Group"));
    settings.CurrentFilePath = readLastFile(iniValue(ini, kSetting, "LastFile"));
    settings.Ports = portMap(ini);
    return settings;
}

void LoadSettings(const std::string& file, Settings& settings) {
    settings = ReadSettings(IniFile::Load(file));
}

void WriteSettings(IniFile& ini, const Settings& settings) {
    ini.set(kSetting, "Unit", UnitText(settings.CurrentUnit));
    ini.set(kSetting, "UnitChange", settings.AskModelType ? "1" : "0");
    ini.set(kSetting, "ComPort", numberWithBlank(settings.PortNumber));
    ini.set(kPrint, "Data", settings.PrintDataOption ? "1" : "0");
    ini.set(kPrint, "Group", numberWithBlank(settings.PrintGroupOption));
    ini.set(kSetting, "LastFile", settings.CurrentFilePath);
    for (const auto& [number, device] : settings.Ports) {
        ini.set(kPorts, "COM" + std::to_string(number), device);
    }
}

bool SaveSettings(const std::string& file, const Settings& settings) {
    std::string reason;
    std::optional<IniFile> read = IniFile::LoadForRewrite(file, reason);
    if (!read) {
        return false;
    }
    WriteSettings(*read, settings);
    return read->save(file);
}

std::string DefaultSettingsText() {
    return ToCp932("[Setting]\r\nComPort= 1\r\nUnit=ﾟC\r\nUnitChange=1\r\n\r\n[Print]\r\nData=0\r\n"
                   "Group= 0\r\n");
}

bool WriteDefaultSettingsFile(const std::string& file) {
    return WriteFileAtomically(file, DefaultSettingsText()).has_value();
}

std::map<int, std::string> ReadPortMap(const std::string& file) {
    return portMap(IniFile::Load(file));
}

} // namespace vestra
