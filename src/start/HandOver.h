#pragma once

#include <optional>
#include <string>

namespace vestra {

// How a later start hands its file to the copy that runs already: over a Unix socket beside the
// settings file's lock, made by the running copy with the user's permissions only (0600) and
// answering only processes of the same user. A line with the absolute path (empty for none)
// goes in; "ok" comes back once the running copy has taken it.

// The socket of the lock at lockPath: lockPath with ".sock" in place of ".lock"; where that is
// longer than a socket address holds, a name of its own in the runtime folder; nothing when
// neither fits.
std::optional<std::string> HandOverSocketPath(const std::string& lockPath,
                                              const std::string& runtimeFolder);

// Later start: true when the running copy answered within timeoutMs.
bool SendHandOver(const std::string& socketPath, const std::string& file, int timeoutMs);

// Running copy: the listening socket, replacing a socket file a crashed run left (the caller
// holds the lock, so no other copy listens there).
class HandOverListener {
public:
    explicit HandOverListener(const std::string& socketPath);
    ~HandOverListener();
    HandOverListener(const HandOverListener&) = delete;
    HandOverListener& operator=(const HandOverListener&) = delete;

    // The descriptor to watch for a connection; -1 when the socket could not be made.
    int descriptor() const { return fd_; }
    // Takes one connection: its file (empty for none), answered with "ok". Nothing for a
    // process of another user, a connection that sends no line within a second, or none at all.
    std::optional<std::string> takeOne();

private:
    std::string path_;
    int fd_ = -1;
};

} // namespace vestra
