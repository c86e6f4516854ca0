#pragma once

#include "CliCommand.h"
#include "base/Expected.h"

#include <optional>
#include <string>

namespace vestra::cli {

// A data file operand as read: its bytes and the name that stands for it in messages.
struct DataInput {
    std::string name;
    std::string bytes;
};

// Reads the data file an operand names, "-" standard input, as the Open command reads a file.
// False after "File Load Error !" with the reason.
bool ReadDataInput(const CliContext& context, const std::string& operand, DataInput& input);

// The unit the data is read in: the file's own, as its first record says (history add takes a
// file so too), since the thermometer type the user last chose says nothing of a file from
// elsewhere. A --unit that names the other unit is refused with the file's unit: empty, after
// telling why. A file of neither unit is read in the context's unit, which then names its fault.
std::optional<TemperatureUnit> DataInputUnit(const CliContext& context, const DataInput& input);

// A data file operand read (ReadDataInput) with the context that reads it in its unit
// (DataInputUnit), or the exit status to end with: kExitFileError after "File Load Error !",
// kExitUsage for a --unit of the other unit.
struct UnitDataInput {
    DataInput input;
    CliContext context;
};
Expected<UnitDataInput, int> ReadDataInputInItsUnit(const CliContext& context,
                                                    const std::string& operand);

} // namespace vestra::cli
