#include "history/ContentHash.h"

#include "base/Sha256.h"
#include "files/DataFile.h"

namespace vestra::history {
namespace {

DataSet withoutAnnotations(DataSet data) {
    data.subject.clear();
    for (GroupSetting& g : data.groups) {
        g.target.clear();
        g.measurer.clear();
        for (std::string& remark : g.remarks) {
            remark.clear();
        }
    }
    return data;
}

} // namespace

// The native file's bytes are the one canonical form of a data set the program already has.
std::string ContentBytes(const DataSet& data, TemperatureUnit unit) {
    return EncodeDataFile(withoutAnnotations(data), unit);
}

std::string ContentHash(const DataSet& data, TemperatureUnit unit) {
    return HexText(Sha256(ContentBytes(data, unit)));
}

} // namespace vestra::history
