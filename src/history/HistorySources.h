#pragma once

#include "base/TemperatureUnit.h"
#include "data/DataSet.h"

#include <string>
#include <string_view>

namespace vestra::history {

// A data file as the history takes it: the data set, and the unit its own flag names, so that a
// team's folder of Celsius and Fahrenheit files goes in whole.
struct SourceFile {
    std::string path; // absolute, so that the window can open it again from anywhere
    DataSet data;
    TemperatureUnit unit = TemperatureUnit::Celsius;
};

// Reads a native data file of either unit. False with the reason for a file that cannot be
// read or is no data file of this program (damaged, cut short, foreign).
bool ReadSourceFile(const std::string& path, SourceFile& source, std::string& reason);

// The same for the bytes of a data file that has no file of its own (source.path stays empty).
bool DecodeSourceBytes(std::string_view bytes, SourceFile& source, std::string& reason);

} // namespace vestra::history
