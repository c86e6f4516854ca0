#pragma once

#include <string>
#include <sys/types.h>

namespace vestra {

// The file a save writes before it takes the target's name (base/TemporaryFile.h), in the
// target's folder.
//
// Where the file system offers it, the file has no name while it is written (O_TMPFILE) and
// gets one only just before the rename, so a save killed while writing leaves nothing behind.
// Elsewhere it is named from the start.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string folder) : folder_(std::move(folder)) {}
    // Closes the file and removes its name unless it was kept.
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Creates the file (mode: its permissions where it is created unnamed); false with errno
    // set.
    bool create(mode_t mode);
    int fd() const { return fd_; }
    // Gives the written file its temporary name and closes it, every result checked; false
    // with errno set.
    bool finish();
    // The name under which the finished file lies.
    const std::string& path() const { return path_; }
    // The file now lies under another name (renamed): nothing to remove.
    void keep() { path_.clear(); }

private:
    bool createNamed();
    bool link();

    std::string folder_;
    std::string path_;
    int fd_ = -1;
};

} // namespace vestra
