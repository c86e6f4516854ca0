// The data-file reader on arbitrary bytes, in both units. A file it accepts must survive the
// round trip the user makes with Open and Save: saving it and opening the result gives the same
// data set, byte for byte.
#include "base/TemperatureUnit.h"
#include "data/DataSet.h"
#include "files/DataFile.h"
#include "fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using namespace vestra;
using fuzzing::FuzzCheck;

void decode(std::string_view bytes, TemperatureUnit unit) {
    std::optional<DataSet> data = DecodeDataFile(bytes, unit);
    if (!data) {
        return;
    }
    DataStore store;
    store.importBuffer = *data;
    store.commitImport(false);
    std::string saved = EncodeDataFile(store.currentData, unit);
    std::optional<DataSet> reopened = DecodeDataFile(saved, unit);
    FuzzCheck(reopened.has_value(), "a file that opened saves to a file that opens again");
    FuzzCheck(EncodeDataFile(*reopened, unit) == saved, "saving a reopened file changes nothing");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    decode(bytes, TemperatureUnit::Celsius);
    decode(bytes, TemperatureUnit::Fahrenheit);
    return 0;
}
