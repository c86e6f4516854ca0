#include "serial/PosixSerialPort.h"

#include "serial/PortOpenReason.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <grp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace vestra {

namespace {

// A write that cannot go on for this long means the device stopped taking bytes; the next wait
// reports the line error.
constexpr int kWriteStallMs = 2000;

bool HasGroup(gid_t id) {
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(getgroups(0, nullptr), 0)));
    groups.resize(
        static_cast<std::size_t>(std::max(getgroups(int(groups.size()), groups.data()), 0)));
    return getegid() == id || std::find(groups.begin(), groups.end(), id) != groups.end();
}

std::string GroupName(gid_t id) {
    const struct group* entry = getgrgid(id);
    return entry != nullptr ? entry->gr_name : "";
}

// device: what stat(2) found, null when it failed (the device's group is then unknown).
std::string OpenFailureReason(const std::string& path, int error, const struct stat* device) {
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case ENOTDIR:
        return PortMissingReason(path);
    case EACCES:
    case EPERM:
        return device == nullptr ? PortPermissionReason(path, "", false)
                                 : PortPermissionReason(path, GroupName(device->st_gid),
                                                        HasGroup(device->st_gid));
    default:
        return PortOtherReason(path, std::strerror(error));
    }
}

// The device itself, so that a /dev/serial/by-id/ link and the name it points to share a lock.
std::string ResolvedDevice(const std::string& path) {
    std::error_code error;
    std::filesystem::path device = std::filesystem::canonical(path, error);
    return error ? path : device.string();
}

} // namespace

PosixSerialPort::PosixSerialPort(std::string devicePath, PortWaiter& waiter,
                                 std::vector<std::string> lockFolders)
    : path_(std::move(devicePath)), waiter_(waiter), lock_(std::move(lockFolders)) {}

PosixSerialPort::~PosixSerialPort() {
    close();
}

bool PosixSerialPort::open(std::string& reason) {
    close();
    struct stat device {};
    if (::stat(path_.c_str(), &device) != 0) {
        reason = OpenFailureReason(path_, errno, nullptr);
        return false;
    }
    if (!S_ISCHR(device.st_mode)) {
        reason = PortNotSerialReason(path_);
        return false;
    }
    std::string resolved = ResolvedDevice(path_);
    PortHolder holder;
    if (!lock_.acquire(resolved, holder)) {
        reason = !holder.unusableLock.empty() ? PortUnusableLockReason(path_, holder)
                 : !holder.staleLock.empty()  ? PortStaleLockReason(path_, holder)
                                              : PortBusyReason(path_, holder);
        return false;
    }
    // A program may hold the port with neither a lock file nor the exclusive mode; opening it
    // too would only share its line.
    holder = IsTerminalDevice(device.st_rdev) ? FindProcessUsing(device.st_rdev) : PortHolder{};
    if (holder.pid != 0) {
        reason = PortBusyReason(path_, holder);
        lock_.release();
        return false;
    }
    fd_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        // EBUSY: another program has the port in exclusive use without keeping a lock file.
        reason = errno == EBUSY ? PortBusyReason(path_, FindProcessUsing(device.st_rdev))
                                : OpenFailureReason(path_, errno, &device);
        lock_.release();
        return false;
    }
    if (!configure(reason)) {
        close();
        return false;
    }
    ioctl(fd_, TIOCEXCL);
    return true;
}

// Raw bytes, 4800 baud, 8 data bits, no parity, 1 stop bit, no flow control; reads never wait.
bool PosixSerialPort::configure(std::string& reason) {
    termios tio{};
    if (!isatty(fd_) || tcgetattr(fd_, &tio) != 0) {
        reason = PortNotSerialReason(path_);
        return false;
    }
    cfmakeraw(&tio);
    tio.c_cflag &= ~static_cast<tcflag_t>(PARENB | CSTOPB | CSIZE | CRTSCTS);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    cfsetispeed(&tio, B4800);
    cfsetospeed(&tio, B4800);
    if (tcsetattr(fd_, TCSANOW, &tio) != 0) {
        reason = PortOtherReason(path_, std::strerror(errno));
        return false;
    }
    // Stale input goes; output stays: on a pseudo-terminal, flushing it would take back what the
    // last user of the line sent just before closing (its farewell) if the far end is slow.
    tcflush(fd_, TCIFLUSH);
    return true;
}

// The exclusive mode belongs to the terminal, not to our descriptor: it would outlive the close
// while another program (the simulator, a modem manager) still has the device open.
void PosixSerialPort::close() {
    if (fd_ >= 0) {
        ioctl(fd_, TIOCNXCL);
        ::close(fd_);
        fd_ = -1;
    }
    lock_.release();
}

void PosixSerialPort::setModemLine(int line, bool on) {
    if (fd_ >= 0) {
        ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &line);
    }
}

void PosixSerialPort::setDtr(bool on) {
    setModemLine(TIOCM_DTR, on);
}
void PosixSerialPort::setRts(bool on) {
    setModemLine(TIOCM_RTS, on);
}

void PosixSerialPort::setBreak(bool on) {
    if (fd_ >= 0) {
        ioctl(fd_, on ? TIOCSBRK : TIOCCBRK);
    }
}

std::size_t PosixSerialPort::inputCount() {
    int count = 0;
    if (fd_ < 0 || ioctl(fd_, FIONREAD, &count) != 0 || count < 0) {
        return 0;
    }
    return static_cast<std::size_t>(count);
}

std::string PosixSerialPort::readAll() {
    std::string bytes;
    char chunk[512];
    while (fd_ >= 0) {
        ssize_t n = ::read(fd_, chunk, sizeof chunk);
        if (n > 0) {
            bytes.append(chunk, static_cast<std::size_t>(n));
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            break;
        }
    }
    return bytes;
}

bool PosixSerialPort::waitWritable() {
    pollfd p{fd_, POLLOUT, 0};
    return poll(&p, 1, kWriteStallMs) > 0 && (p.revents & POLLOUT) != 0;
}

void PosixSerialPort::write(std::string_view bytes) {
    while (fd_ >= 0 && !bytes.empty()) {
        ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(n));
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN && waitWritable()) {
            continue;
        } else {
            return;
        }
    }
}

void PosixSerialPort::drain() {
    if (fd_ >= 0) {
        tcdrain(fd_);
    }
}

PortEvent PosixSerialPort::waitEvent() {
    if (fd_ < 0) {
        return PortEvent::LineError;
    }
    ticks_.start();
    for (;;) {
        if (std::optional<PortEvent> state = lineState()) {
            return *state;
        }
        std::optional<std::chrono::milliseconds> wait = ticks_.untilNext();
        if (!wait) {
            return PortEvent::Tick;
        }
        waiter_.wait(fd_, *wait);
    }
}

std::optional<PortEvent> PosixSerialPort::lineState() {
    pollfd p{fd_, POLLIN, 0};
    if (poll(&p, 1, 0) < 0) {
        return errno == EINTR ? std::nullopt : std::optional(PortEvent::LineError);
    }
    if ((p.revents & POLLIN) != 0 && inputCount() > 0) {
        return PortEvent::Received;
    }
    if ((p.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
        return PortEvent::LineError;
    }
    return std::nullopt;
}

void PosixSerialPort::pause(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace vestra
