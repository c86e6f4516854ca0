#pragma once

#include "device/CommObserver.h"

#include <string>
#include <vector>

namespace vestra::testing {

// Records what a connection shows: every status text and every progress value, in order.
class RecordingObserver : public CommObserver {
public:
    void showStatus(const std::string& text) override { statuses.push_back(text); }
    void showProgress(int value) override { progress.push_back(value); }

    std::vector<std::string> statuses;
    std::vector<int> progress;
};

} // namespace vestra::testing
