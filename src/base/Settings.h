#pragma once

#include "base/IniFile.h"
#include "base/TemperatureUnit.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace vestra {

// The settings kept between runs in VESTRA.INI; the defaults are those of a first run.
struct Settings {
    TemperatureUnit CurrentUnit = TemperatureUnit::Celsius;
    bool AskModelType = true;
    std::int16_t PortNumber = 1;
    bool PrintDataOption = false;
    std::int16_t PrintGroupOption = 0; // 0 all items, 1 settings items, 2 data items
    std::string CurrentFilePath;
    // Section [Ports]: the device of a port number (3 -> /dev/serial/by-id/usb-...), for the
    // ports that are not /dev/ttyS(n-1).
    std::map<int, std::string> Ports;
};

// $XDG_CONFIG_HOME/MORVA/VESTRA2/Config/VESTRA.INI, with ~/.config when the variable is unset
// or relative (base/UserFolders); none when the user has no home folder either. In %APPDATA%
// on Windows.
std::optional<std::string> SettingsFilePath();

// Why SettingsFilePath gives none.
std::string NoSettingsFileText();

// The value of the key, or "???" when the file, the section or the key is missing.
std::string ReadIniString(const std::string& file, std::string_view section, std::string_view key);

// Every setting of the document; a missing or unusable value gives that setting's default.
Settings ReadSettings(const IniFile& ini);
// The same from the file as it is now.
void LoadSettings(const std::string& file, Settings& settings);

// Sets the six keys and the [Ports] entries in the document, keeping every other line.
void WriteSettings(IniFile& ini, const Settings& settings);

// Writes the six keys and the [Ports] entries, keeping every other line of the file. False when the
// file cannot be written (the folder is missing, for instance); the caller has nothing to tell the
// user then.
bool SaveSettings(const std::string& file, const Settings& settings);

// The file a first run creates: sections Setting and Print with the default values.
std::string DefaultSettingsText();
bool WriteDefaultSettingsFile(const std::string& file);

// The device of each serial port named in section [Ports] (COM3=/dev/ttyUSB0 gives 3 ->
// /dev/ttyUSB0). Keys that are not COM followed by a number are ignored.
std::map<int, std::string> ReadPortMap(const std::string& file);

} // namespace vestra
