#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>

namespace vestra {

// The file a save writes before it takes the target's name, in the target's folder.
//
// Where the file system offers it, the file has no name while it is written (O_TMPFILE) and
// gets one only just before the rename, so a save killed while writing leaves nothing behind.
// Elsewhere it is named from the start. Its name, .vestra-tmp.<host>.<pid>.XXXXXX, is one no
// user would choose and tells which process on which host made it; it does not depend on the
// target's name, so a target may use the whole 255-byte name length.
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

// The temporaries this program makes: the prefix, and a name's parts.
inline constexpr std::string_view kTemporaryPrefix = ".vestra-tmp.";

// A temporary older than this may have been left by a save that was killed.
inline constexpr int kStaleTemporarySeconds = 3600;

// Removes the temporaries in folder left by killed saves: only files whose name follows this
// program's full pattern, owned by this user, older than kStaleTemporarySeconds, made on this
// host by a process that no longer exists. Anything else is left as it is.
void RemoveStaleTemporaries(const std::string& folder);

// This host's part of a temporary's name.
std::string TemporaryHostPart();

} // namespace vestra
