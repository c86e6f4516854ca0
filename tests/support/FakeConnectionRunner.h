#pragma once

#include "device/ConnectionRunner.h"

#include <functional>
#include <vector>

namespace vestra::testing {

// Stands in for the connection engine: records what the dialogs ask for and answers with a
// fixed result. onRun plays the thermometer's part (fill the import area, look at what would
// be sent) while the connection "runs"; a reading mode that succeeds hands back a copy of the
// import area, as the engine does.
class FakeConnectionRunner : public ConnectionRunner {
public:
    bool openPort() override {
        ++portOpenings;
        return portOpens;
    }
    ConnectionOutcome run(ConnectionMode mode, const DateTime& clockToSet) override {
        modes.push_back(mode);
        clocks.push_back(clockToSet);
        if (onRun) {
            onRun(mode);
        }
        ConnectionOutcome outcome{result, {}, {}};
        if (outcome.ok() && IsReadingMode(mode) && importArea) {
            outcome.received = *importArea;
        }
        return outcome;
    }

    bool portOpens = true;
    CommResult result = CommResult::ResultOk;
    std::function<void(ConnectionMode mode)> onRun;
    const DataSet* importArea = nullptr; // the store's importBuffer that onRun fills
    int portOpenings = 0;
    std::vector<ConnectionMode> modes;
    std::vector<DateTime> clocks;
};

} // namespace vestra::testing
