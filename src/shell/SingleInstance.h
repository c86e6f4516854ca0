#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace vestra {

// Holds a lock file in the user's runtime folder for as long as the program runs, so that a
// second start can tell. A lock left by a crashed run is taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& name);
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
