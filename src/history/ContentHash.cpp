#include "history/ContentHash.h"

#include "files/DataFile.h"

namespace vestra::history {
namespace {

using Hash = unsigned __int128;

constexpr Hash kOffset = (Hash(0x6c62272e07bb0142ULL) << 64) | 0x62b821756295c58dULL;
constexpr Hash kPrime = (Hash(1) << 88) | 0x13b;

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

std::string hex(Hash h) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text(32, '0');
    for (int i = 31; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = kDigits[static_cast<unsigned>(h & 0xf)];
        h >>= 4;
    }
    return text;
}

} // namespace

// The native file's bytes are the one canonical form of a data set the program already has.
std::string ContentHash(const DataSet& data, TemperatureUnit unit) {
    std::string bytes = EncodeDataFile(withoutAnnotations(data), unit);
    Hash h = kOffset;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= kPrime;
    }
    return hex(h);
}

} // namespace vestra::history
