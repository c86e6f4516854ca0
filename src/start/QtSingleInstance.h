#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace vestra {

// Holds a lock file beside the settings file for as long as the program runs, so that a second
// start that would write the same settings file can tell, whatever its runtime folder or
// environment. A lock left by a crashed run is taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& settingsFile);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another running instance holds the lock.
    bool acquired() const { return acquired_; }

private:
    std::unique_ptr<QLockFile> lock_;
    bool acquired_ = false;
};

} // namespace vestra
