// The dump parser fed one received line at a time, as the connection does, in each reading
// mode and unit. Besides crashes it checks that a completed memory dump can be saved and
// opened again unchanged: the user's next step after an import.
#include "base/TemperatureUnit.h"
#include "data/DataSet.h"
#include "device/DumpParser.h"
#include "files/DataFile.h"
#include "fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using namespace vestra;
using fuzzing::FuzzCheck;

void checkSavedAndReopened(const DataSet& parsed, TemperatureUnit unit) {
    DataStore store;
    store.importBuffer = parsed;
    store.commitImport(true);
    std::string bytes = EncodeDataFile(store.currentData, unit);
    std::optional<DataSet> reopened = DecodeDataFile(bytes, unit);
    FuzzCheck(reopened.has_value(), "an imported dump saves to a file that opens again");
    FuzzCheck(EncodeDataFile(*reopened, unit) == bytes, "a reopened import saves the same bytes");
}

void feedLines(std::string_view input, ConnectionMode mode, TemperatureUnit unit) {
    DataSet target;
    DumpParser parser(mode, unit, target);
    DumpStep step = DumpStep::Continue;
    while (!input.empty() && step != DumpStep::Complete && step != DumpStep::Reject) {
        std::size_t end = input.find('\n');
        step = parser.feed(input.substr(0, end));
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    }
    FuzzCheck(target.totalCount >= 0 && target.totalCount <= kMaxReadings,
              "the reading count stays within the memory");
    if (step == DumpStep::Complete || step == DumpStep::Reject) {
        FuzzCheck(parser.feed("NO.1") == DumpStep::Reject, "a finished parser rejects more lines");
    }
    if (step == DumpStep::Complete && mode == ConnectionMode::ModeImportMemory) {
        checkSavedAndReopened(target, unit);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    for (ConnectionMode mode : {ConnectionMode::ModeImportMemory, ConnectionMode::ModeReadClock,
                                ConnectionMode::ModeReadSettings}) {
        for (TemperatureUnit unit : {TemperatureUnit::Celsius, TemperatureUnit::Fahrenheit}) {
            feedLines(input, mode, unit);
        }
    }
    return 0;
}
