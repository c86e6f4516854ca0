#include "start/HandOver.h"

#include <cerrno>
#include <cstring>
#include <functional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace vestra {
namespace {

// A path name longer than the address holds would be cut and reach another socket.
bool fits(const std::string& path) {
    return path.size() < sizeof(sockaddr_un::sun_path);
}

sockaddr_un addressOf(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return address;
}

bool waitFor(int fd, short events, int timeoutMs) {
    pollfd entry{fd, events, 0};
    int ready;
    do {
        ready = ::poll(&entry, 1, timeoutMs);
    } while (ready < 0 && errno == EINTR);
    return ready == 1;
}

// One line of at most 4096 bytes, without its end; nothing when it does not come in time.
std::optional<std::string> readLine(int fd, int timeoutMs) {
    std::string line;
    char c;
    while (line.size() < 4096 && waitFor(fd, POLLIN, timeoutMs)) {
        if (::read(fd, &c, 1) != 1) {
            return std::nullopt;
        }
        if (c == '\n') {
            return line;
        }
        line += c;
    }
    return std::nullopt;
}

bool writeAll(int fd, const std::string& text) {
    return ::send(fd, text.data(), text.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(text.size());
}

} // namespace

std::optional<std::string> HandOverSocketPath(const std::string& lockPath,
                                              const std::string& runtimeFolder) {
    std::string beside = lockPath.ends_with(".lock")
                             ? lockPath.substr(0, lockPath.size() - 5) + ".sock"
                             : lockPath + ".sock";
    if (fits(beside)) {
        return beside;
    }
    if (runtimeFolder.empty()) {
        return std::nullopt;
    }
    std::string own =
        runtimeFolder + "/vestra-" + std::to_string(std::hash<std::string>{}(lockPath)) + ".sock";
    return fits(own) ? std::optional<std::string>(own) : std::nullopt;
}

bool SendHandOver(const std::string& socketPath, const std::string& file, int timeoutMs) {
    if (!fits(socketPath) || file.find('\n') != std::string::npos) {
        return false;
    }
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    sockaddr_un address = addressOf(socketPath);
    bool taken = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                 writeAll(fd, file + "\n") && readLine(fd, timeoutMs) == "ok";
    ::close(fd);
    return taken;
}

HandOverListener::HandOverListener(const std::string& socketPath) : path_(socketPath) {
    if (!fits(path_)) {
        return;
    }
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        return;
    }
    ::unlink(path_.c_str());
    sockaddr_un address = addressOf(path_);
    mode_t old = ::umask(077); // the socket file is the user's alone from its first moment
    bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::umask(old);
    if (!bound || ::listen(fd, 4) != 0) {
        ::close(fd);
        return;
    }
    fd_ = fd;
}

HandOverListener::~HandOverListener() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(path_.c_str());
    }
}

std::optional<std::string> HandOverListener::takeOne() {
    int peer = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (peer < 0) {
        return std::nullopt;
    }
    ucred credentials{};
    socklen_t size = sizeof credentials;
    std::optional<std::string> file;
    if (::getsockopt(peer, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 &&
        credentials.uid == ::geteuid()) {
        file = readLine(peer, 1000);
        if (file && !writeAll(peer, "ok\n")) {
            file.reset();
        }
    }
    ::close(peer);
    return file;
}

} // namespace vestra
