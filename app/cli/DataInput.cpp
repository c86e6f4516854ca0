#include "DataInput.h"

#include "ErrorLines.h"
#include "base/FileRead.h"
#include "base/VisibleText.h"
#include "files/DataFile.h"
#include "files/FileErrors.h"

#include <unistd.h>

namespace vestra::cli {
namespace {

constexpr const char* kStandardInputName = "標準入力";

} // namespace

bool ReadDataInput(const CliContext& context, const std::string& operand, DataInput& input) {
    bool standardInput = operand == "-";
    input.name = standardInput ? kStandardInputName : operand;
    Expected<FileContents> contents = standardInput
                                          ? ReadDescriptor(STDIN_FILENO, kMaxDataFileBytes)
                                          : ReadRegularFile(operand, kMaxDataFileBytes);
    if (!contents) {
        ShowLoadError(context.messages, input.name, contents.error().text);
        return false;
    }
    input.bytes = std::move(contents->bytes);
    return true;
}

Expected<UnitDataInput, int> ReadDataInputInItsUnit(const CliContext& context,
                                                    const std::string& operand) {
    UnitDataInput read{{}, context};
    if (!ReadDataInput(context, operand, read.input)) {
        return unexpected(kExitFileError);
    }
    std::optional<TemperatureUnit> unit = DataInputUnit(context, read.input);
    if (!unit) {
        return unexpected(kExitUsage);
    }
    read.context.unit = *unit;
    return read;
}

std::optional<TemperatureUnit> DataInputUnit(const CliContext& context, const DataInput& input) {
    std::optional<TemperatureUnit> own = DataBytesUnitOf(input.bytes);
    if (!own) {
        return context.unit;
    }
    if (context.givenUnit && *context.givenUnit != *own) {
        RefuseUsage(VisibleText(input.name) + " は" + UnitText(*own) +
                    " のデータファイルです。--unit は " + UnitLetter(*own) +
                    " にするか、省略してください");
        return std::nullopt;
    }
    return own;
}

} // namespace vestra::cli
