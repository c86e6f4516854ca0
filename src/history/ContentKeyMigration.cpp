#include "history/ContentKeyMigration.h"

#include "history/ContentHash.h"
#include "history/StoredContent.h"
#include "history/StoredValue.h"

#include <limits>

namespace vestra::history {
namespace {

using Fnv128 = unsigned __int128;

constexpr Fnv128 kOffset = (Fnv128(0x6c62272e07bb0142ULL) << 64) | 0x62b821756295c58dULL;
constexpr Fnv128 kPrime = (Fnv128(1) << 88) | 0x13b;

std::string hex(Fnv128 h) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text(32, '0');
    for (int i = 31; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = kDigits[static_cast<unsigned>(h & 0xf)];
        h >>= 4;
    }
    return text;
}

} // namespace

std::string Version2ContentHash(const DataSet& data, TemperatureUnit unit) {
    Fnv128 h = kOffset;
    for (unsigned char c : ContentBytes(data, unit)) {
        h ^= c;
        h *= kPrime;
    }
    return hex(h);
}

void RekeyDataSets(SqlConnection& connection) {
    for (const SqlRow& row : connection.query("SELECT id, content_hash, unit FROM data_set")) {
        DataSet data;
        TemperatureUnit unit{};
        try {
            StoredRow where{"data_set", row[0]};
            unit = StoredUnit(where, "unit", row[2]);
            ReadStoredContent(
                connection,
                StoredInteger(where, "id", row[0], 1, std::numeric_limits<long long>::max()), data);
        } catch (const DamagedDatabase&) {
            // The reading paths name the damage when they meet it; the key is left as it is.
            continue;
        }
        if (Version2ContentHash(data, unit) == row[1]) {
            connection.query("UPDATE data_set SET content_hash = ? WHERE id = ?",
                             {ContentHash(data, unit), row[0]});
        }
    }
}

} // namespace vestra::history
