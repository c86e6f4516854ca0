#pragma once

#include "start/HandOver.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QLockFile;

namespace vestra {

class HandOverReceiver;

// What became of the lock beside the settings file.
enum class InstanceLock {
    Acquired,          // this is the one running copy for the settings file
    HeldByRunningCopy, // another copy runs with the same settings file
    Unavailable,       // the folder cannot hold the lock: no copy can be told apart
};

// Holds a lock file beside the settings file for as long as the program runs, so that a second
// start that would write the same settings file can tell, whatever its runtime folder or
// environment. A lock left by a crashed run is taken over. The copy that holds it listens for
// files that later starts hand over (HandOver).
class QtSingleInstance {
public:
    explicit QtSingleInstance(const QString& settingsFile);
    ~QtSingleInstance();
    QtSingleInstance(const QtSingleInstance&) = delete;
    QtSingleInstance& operator=(const QtSingleInstance&) = delete;

    InstanceLock state() const { return state_; }
    // False when another running instance holds the lock.
    bool acquired() const { return state_ == InstanceLock::Acquired; }

    // In the running copy: from now on, a file handed over by a later start (an absolute path,
    // empty for none) is given to take in the event loop. Why no file will come, when the
    // running copy cannot listen; nothing when it listens or is no running copy.
    std::optional<HandOverFault> listen(std::function<void(const QString& file)> take);
    // In a later start: gives the file to the running copy; false when it did not take it within
    // a few seconds.
    bool handOver(const QString& file) const;

private:
    std::unique_ptr<QLockFile> lock_;
    InstanceLock state_ = InstanceLock::Unavailable;
    HandOverPlace place_;
    std::unique_ptr<HandOverReceiver> receiver_;
};

} // namespace vestra
