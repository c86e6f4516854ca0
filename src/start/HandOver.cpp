#include "start/HandOver.h"

#include "base/FileFault.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <functional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace vestra {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kLongestLine = 4096;

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

bool ofThisUser(int fd) {
    ucred credentials{};
    socklen_t size = sizeof credentials;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 &&
           credentials.uid == ::geteuid();
}

int msUntil(Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

bool waitFor(int fd, short events, Clock::time_point deadline) {
    pollfd entry{fd, events, 0};
    int ready;
    do {
        ready = ::poll(&entry, 1, msUntil(deadline));
    } while (ready < 0 && errno == EINTR);
    return ready == 1;
}

// A connection to a listener whose queue is full is refused at once (EAGAIN) rather than
// waited for, so that the deadline holds; it is tried again until then.
bool connectBy(int fd, const std::string& socketPath, Clock::time_point deadline) {
    sockaddr_un address = addressOf(socketPath);
    while (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        if ((errno != EAGAIN && errno != EINTR) || Clock::now() >= deadline) {
            return false;
        }
        ::poll(nullptr, 0, 10);
    }
    return true;
}

// One line of at most 4096 bytes, without its end, whole by the deadline.
std::optional<std::string> readLineBy(int fd, Clock::time_point deadline) {
    std::string line;
    char c;
    while (line.size() < kLongestLine && waitFor(fd, POLLIN, deadline)) {
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
    return ::send(fd, text.data(), text.size(), MSG_NOSIGNAL | MSG_DONTWAIT) ==
           static_cast<ssize_t>(text.size());
}

std::string faultReason(const HandOverFault& fault) {
    switch (fault.cause) {
    case HandOverFaultCause::NameTooLong:
        return FileFaultText(ENAMETOOLONG);
    case HandOverFaultCause::SharedFolder:
        return "他のユーザーも書き込めるフォルダです";
    case HandOverFaultCause::SocketNotMade:
        return fault.error == EADDRINUSE ? "他のプロセスが使っています"
                                         : FileFaultText(fault.error);
    }
    return {};
}

} // namespace

std::string HandOverFaultMessage(const HandOverFault& fault) {
    return "ﾌｧｲﾙの受け渡し用ｿｹｯﾄを作れません。\r\n" +
           FileFaultLine(fault.path, faultReason(fault)) +
           "\r\n後から起動してもﾌｧｲﾙはこのｳｨﾝﾄﾞｳに渡されません。";
}

HandOverPlace HandOverPlaceFor(const std::string& lockPath, const std::string& runtimeFolder) {
    std::string beside = lockPath.ends_with(".lock")
                             ? lockPath.substr(0, lockPath.size() - 5) + ".sock"
                             : lockPath + ".sock";
    if (fits(beside)) {
        return {beside, std::nullopt};
    }
    if (runtimeFolder.empty()) {
        return {"", HandOverFault{HandOverFaultCause::NameTooLong, beside}};
    }
    struct stat folder {};
    if (::stat(runtimeFolder.c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode) ||
        folder.st_uid != ::geteuid() || (folder.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        return {"", HandOverFault{HandOverFaultCause::SharedFolder, runtimeFolder}};
    }
    std::string own =
        runtimeFolder + "/vestra-" + std::to_string(std::hash<std::string>{}(lockPath)) + ".sock";
    if (!fits(own)) {
        return {"", HandOverFault{HandOverFaultCause::NameTooLong, own}};
    }
    return {own, std::nullopt};
}

bool SendHandOver(const std::string& socketPath, const std::string& file, int timeoutMs) {
    if (!fits(socketPath) || file.find('\n') != std::string::npos) {
        return false;
    }
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        return false;
    }
    Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    // The path is told only to a listener of this user: another user may have taken the name.
    bool taken = connectBy(fd, socketPath, deadline) && ofThisUser(fd) &&
                 writeAll(fd, file + "\n") && readLineBy(fd, deadline) == "ok";
    ::close(fd);
    return taken;
}

HandOverConnection::HandOverConnection(int fd) : fd_(fd) {}

HandOverConnection::~HandOverConnection() {
    ::close(fd_);
}

HandOverConnection::Progress HandOverConnection::readAvailable() {
    char chunk[512];
    for (;;) {
        ssize_t got = ::read(fd_, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            return Progress::Waiting;
        }
        if (got <= 0) {
            return Progress::Broken;
        }
        std::string_view bytes(chunk, static_cast<std::size_t>(got));
        std::size_t end = bytes.find('\n');
        line_.append(bytes.substr(0, end));
        if (line_.size() > kLongestLine) {
            return Progress::Broken;
        }
        if (end != std::string_view::npos) {
            return Progress::Whole;
        }
    }
}

bool HandOverConnection::answer() {
    return writeAll(fd_, "ok\n");
}

HandOverListener::HandOverListener(const std::string& socketPath) : path_(socketPath) {
    if (!fits(path_)) {
        fault_ = HandOverFault{HandOverFaultCause::NameTooLong, path_};
        return;
    }
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        fault_ = HandOverFault{HandOverFaultCause::SocketNotMade, path_, errno};
        return;
    }
    ::unlink(path_.c_str());
    sockaddr_un address = addressOf(path_);
    mode_t old = ::umask(077); // the socket file is the user's alone from its first moment
    bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::umask(old);
    if (!bound || ::listen(fd, 4) != 0) {
        fault_ = HandOverFault{HandOverFaultCause::SocketNotMade, path_, errno};
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

std::unique_ptr<HandOverConnection> HandOverListener::accept() {
    for (;;) {
        int peer = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (peer < 0) {
            return nullptr;
        }
        if (ofThisUser(peer)) {
            return std::make_unique<HandOverConnection>(peer);
        }
        ::close(peer);
    }
}

void HandOverQueue::offer(std::string file) {
    if (!file.empty() || !waiting_) {
        waiting_ = std::move(file);
    }
}

std::optional<std::string> HandOverQueue::next() {
    std::optional<std::string> file = std::move(waiting_);
    waiting_.reset();
    return file;
}

} // namespace vestra
