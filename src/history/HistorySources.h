#pragma once

#include "base/TemperatureUnit.h"
#include "data/DataSet.h"

#include <string>
#include <string_view>
#include <vector>

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

// The files named: a file stands for itself, a folder for the native data files (.qmc, .qmf,
// any case) anywhere below it, linked folders included, in name order, so that adding a folder
// of old rounds is one command. A folder that cannot be listed, and a link that leads back up
// into the walk, are named in unreadable with the reason; the rest of the walk goes on. A folder
// reached by several links is walked once.
struct SourceList {
    std::vector<std::string> files;
    std::vector<std::pair<std::string, std::string>> unreadable;
};
SourceList CollectSourceFiles(const std::vector<std::string>& names);

} // namespace vestra::history
