#pragma once

#include <memory>
#include <optional>
#include <string>

namespace vestra {

// How a later start hands its file to the copy that runs already: over a Unix socket beside the
// settings file's lock, made by the running copy with the user's permissions only (0600). Each
// side talks only to a process of the same user: the running copy asks who connected, the later
// start who listens. A line with the absolute path (empty for none) goes in; "ok" comes back once
// the running copy has taken it.

// The whole line of a later start must arrive within this time after it connected: it writes
// the line at once, and a second covers a loaded machine.
inline constexpr int kHandOverLineMs = 1000;

// Why the running copy takes no files from later starts.
enum class HandOverFaultCause {
    NameTooLong,   // the socket's path is longer than an address holds, no runtime folder takes it
    SharedFolder,  // the runtime folder is another user's, or others may write in it
    SocketNotMade, // socket, bind or listen failed (error)
};

struct HandOverFault {
    HandOverFaultCause cause;
    std::string path;
    int error = 0;
};

// The message the running copy shows once: what failed where, and that later starts will not
// hand their files to it.
std::string HandOverFaultMessage(const HandOverFault& fault);

// Where the socket of a lock goes, or why it has none.
struct HandOverPlace {
    std::string socketPath; // empty when there is none
    std::optional<HandOverFault> fault;
};

// lockPath with ".sock" in place of ".lock", the settings folder being trusted as the settings
// file is; where that is longer than a socket address holds, a name of its own in the runtime
// folder, which must be a folder of this user that no one else may write in: in a shared one
// another user could take the name first.
HandOverPlace HandOverPlaceFor(const std::string& lockPath, const std::string& runtimeFolder);

// Later start: true when a process of this user listens at socketPath and answered within
// timeoutMs, counted over the whole exchange.
bool SendHandOver(const std::string& socketPath, const std::string& file, int timeoutMs);

// One connection of a later start in the running copy, read without blocking: the bytes are
// gathered as they come until the line is whole.
class HandOverConnection {
public:
    enum class Progress {
        Waiting, // more is to come
        Whole,   // the line is in: file()
        Broken,  // closed before the line ended, or a line longer than 4096 bytes
    };

    explicit HandOverConnection(int fd);
    ~HandOverConnection();
    HandOverConnection(const HandOverConnection&) = delete;
    HandOverConnection& operator=(const HandOverConnection&) = delete;

    int descriptor() const { return fd_; }
    // Takes what has arrived, never waiting for more.
    Progress readAvailable();
    // The line without its end, once it is whole: an absolute path, empty for none.
    const std::string& file() const { return line_; }
    // Tells the later start that its file was taken; false when it cannot hear it any more.
    bool answer();

private:
    int fd_;
    std::string line_;
};

// Running copy: the listening socket, replacing a socket file a crashed run left (the caller
// holds the lock, so no other copy listens there).
class HandOverListener {
public:
    explicit HandOverListener(const std::string& socketPath);
    ~HandOverListener();
    HandOverListener(const HandOverListener&) = delete;
    HandOverListener& operator=(const HandOverListener&) = delete;

    // The descriptor to watch for a connection; -1 when the socket could not be made (fault()).
    int descriptor() const { return fd_; }
    const std::optional<HandOverFault>& fault() const { return fault_; }
    // The next waiting connection of a process of this user, made non-blocking; nothing when
    // none waits. One of another user's process is closed unread on the way.
    std::unique_ptr<HandOverConnection> accept();

private:
    std::string path_;
    int fd_ = -1;
    std::optional<HandOverFault> fault_;
};

// Files handed over while another is being taken (a question of the window open). The window
// shows one file at a time, so a file taken before a later one would only be replaced by it:
// only the newest waits. A hand-over without a file only brings the window forward, which the
// waiting one does as well, so it never replaces a file.
class HandOverQueue {
public:
    void offer(std::string file);
    std::optional<std::string> next();

private:
    std::optional<std::string> waiting_;
};

} // namespace vestra
