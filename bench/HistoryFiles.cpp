// Writes the data files the history benchmark adds: full memories (150 readings, ten in each
// group) of a plant with a few thousand measuring points. Only data sets 0 to 99
// measure the furnace wall (tag FURNACE2), so that its export is compared at the same size
// while the unrelated data sets grow tenfold.
//
//   vestra-history-files FOLDER FIRST COUNT

#include "base/TemperatureUnit.h"
#include "data/DataSet.h"
#include "files/DataFile.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr int kPoints = 2000;    // measuring points of the plant
constexpr int kWallRounds = 100; // data sets that hold the furnace wall

vestra::DataSet round(int n, bool wall) {
    vestra::DataSet d;
    d.subject = "定期点検 " + std::to_string(n);
    d.importedAt = vestra::AddSeconds({2020, 1, 1, 8, 0, 0}, 3600LL * 6 * n);
    d.deviceLabel = "PLANT" + std::to_string(n % 7);
    d.totalCount = vestra::kMaxReadings;
    for (int g = 1; g <= vestra::kGroupCount; ++g) {
        vestra::GroupSetting& group = d.group(g);
        int point = (n * 7 + g * 131) % kPoints;
        group.tag = wall && g == 2 ? "FURNACE2" : "P" + std::to_string(point);
        group.target = wall && g == 2 ? "2号炉 炉壁" : "設備" + std::to_string(point);
        group.measurer = "測定者" + std::to_string(n % 5);
        group.emissivity = 0.95f;
        group.alarmHigh = 300.0f;
        group.alarmLow = 20.0f;
        group.recordCount = vestra::kMaxReadings / vestra::kGroupCount;
        for (int k = 0; k < group.recordCount; ++k) {
            group.recordTimes.push_back(vestra::AddSeconds(d.importedAt, 60 * (g * 10 + k)));
            group.recordValues.push_back(static_cast<float>((n * 31 + g * 17 + k * 7) % 3500) /
                                         10.0f);
            group.remarks.push_back(k == 0 ? "入口" : "");
        }
    }
    return d;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: vestra-history-files FOLDER FIRST COUNT\n");
        return 2;
    }
    std::string folder = argv[1];
    int first = std::stoi(argv[2]);
    int count = std::stoi(argv[3]);
    for (int n = first; n < first + count; ++n) {
        std::string bytes =
            vestra::EncodeDataFile(round(n, n < kWallRounds), vestra::TemperatureUnit::Celsius);
        std::ofstream(folder + "/r" + std::to_string(100000 + n) + ".qmc", std::ios::binary)
            << bytes;
    }
    return 0;
}
