#pragma once

#include <string>

namespace vestra {

// What a connection shows while it runs: the communication window puts the status text in its
// status line and the value in its progress bar; the command-line tool may print or ignore them.
class CommObserver {
public:
    virtual ~CommObserver() = default;
    virtual void showStatus(const std::string& text) = 0;
    // 0 to kProgressMax.
    virtual void showProgress(int value) = 0;
};

} // namespace vestra
