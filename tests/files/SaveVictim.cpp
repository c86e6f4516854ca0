// Saves one data file as the Save command does, announcing on standard output the moment it
// starts, so that a test can kill it at a chosen time during the save.
#include "base/TemperatureUnit.h"
#include "files/DataFile.h"
#include "files/SaveVariant.h"
#include "support/RecordingMessages.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: vestra_save_victim TARGET RUN\n");
        return 2;
    }
    vestra::DataStore store;
    store.currentData = vestra::testing::SaveVariant(std::atoi(argv[2]));
    vestra::testing::RecordingMessages messages;
    std::fputs("saving\n", stdout);
    std::fflush(stdout);
    return vestra::SaveDataFile(argv[1], store, vestra::TemperatureUnit::Celsius, messages) ? 0 : 1;
}
