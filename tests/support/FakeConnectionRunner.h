#pragma once

#include "device/ConnectionRunner.h"

#include <functional>
#include <vector>

namespace vestra::testing {

// Stands in for the connection engine: records what the dialogs ask for and answers with a
// fixed result. onRun plays the thermometer's part (fill the import area, look at what would
// be sent) while the connection "runs".
class FakeConnectionRunner : public ConnectionRunner {
public:
    bool openPort() override {
        ++portOpenings;
        return portOpens;
    }
    int run(int mode, const DateTime& clockToSet) override {
        modes.push_back(mode);
        clocks.push_back(clockToSet);
        if (onRun) {
            onRun(mode);
        }
        return result;
    }

    bool portOpens = true;
    int result = kResultOk;
    std::function<void(int mode)> onRun;
    int portOpenings = 0;
    std::vector<int> modes;
    std::vector<DateTime> clocks;
};

} // namespace vestra::testing
