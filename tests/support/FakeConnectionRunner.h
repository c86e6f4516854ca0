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
    CommResult run(ConnectionMode mode, const DateTime& clockToSet) override {
        modes.push_back(mode);
        clocks.push_back(clockToSet);
        if (onRun) {
            onRun(mode);
        }
        return result;
    }

    bool portOpens = true;
    CommResult result = CommResult::ResultOk;
    std::function<void(ConnectionMode mode)> onRun;
    int portOpenings = 0;
    std::vector<ConnectionMode> modes;
    std::vector<DateTime> clocks;
};

} // namespace vestra::testing
