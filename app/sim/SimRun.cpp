#include "SimRun.h"

#include "SimCommands.h"
#include "SimDevice.h"
#include "SimPty.h"
#include "SimSender.h"
#include "base/FileFault.h"
#include "base/FileRead.h"
#include "base/OutputPath.h"
#include "base/TextCodec.h"
#include "base/WriteAll.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <sys/signalfd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vestra::sim {

namespace {

// Bytes without a line end beyond this are noise, not a command; they are dropped.
constexpr std::size_t kMaxPending = 4096;
// A full memory dump is some 11 KB; a memory file beyond this is no memory file.
constexpr std::size_t kMaxMemoryFileBytes = 1 << 20;

long long MonotonicMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool LoadMemory(const SimOptions& options, SimMemory& memory, std::string& error) {
    if (options.readings >= 0) {
        memory = GeneratedMemory(options.unit, options.readings);
    } else if (options.memoryFile.empty()) {
        memory = DefaultMemory(options.unit);
    } else {
        // A FIFO or a device as memory file would block the simulator before it can be stopped.
        Expected<FileContents> text = ReadRegularFile(options.memoryFile, kMaxMemoryFileBytes);
        if (!text) {
            error = "cannot read the memory file " +
                    FileFaultLine(options.memoryFile, text.error().text);
            return false;
        }
        if (!text->whole) {
            error =
                "cannot read the memory file " + FileFaultLine(options.memoryFile, kFileTooLarge);
            return false;
        }
        memory = ParseMemoryFile(text->bytes);
    }
    return true;
}

// SIGTERM and SIGINT arrive as a readable descriptor, so every wait of the simulator (for a
// command, for the line to take bytes, in a pause) ends as soon as it is asked to stop.
int StopSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGHUP);
    sigprocmask(SIG_BLOCK, &set, nullptr);
    return signalfd(-1, &set, SFD_CLOEXEC);
}

bool SleepUnlessStopped(int stopFd, std::chrono::microseconds time) {
    pollfd p{stopFd, POLLIN, 0};
    timespec wait{time_t(time.count() / 1000000), long(time.count() % 1000000) * 1000};
    return ppoll(&p, 1, &wait, nullptr) == 0;
}

bool WriteUnlessStopped(int master, int stopFd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(master, bytes.data(), bytes.size());
        if (n > 0) {
            bytes.remove_prefix(std::size_t(n));
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return true; // nobody listens: the thermometer talks on regardless
        }
        pollfd p[2] = {{master, POLLOUT, 0}, {stopFd, POLLIN, 0}};
        if (poll(p, 2, -1) > 0 && (p[1].revents & POLLIN) != 0) {
            return false;
        }
    }
    return true;
}

// The pauses of a paced line. A sleep ends a little late, more so on a busy machine, and over
// the hundreds of pauses of a dump that would slow the line below 4800 baud; what one pause
// overshot is taken off the next, so the line keeps its rate on average.
class PacedSleep {
public:
    explicit PacedSleep(int stopFd) : stopFd_(stopFd) {}

    bool operator()(std::chrono::microseconds time) {
        using namespace std::chrono;
        auto start = steady_clock::now();
        microseconds wanted = time - debt_;
        bool going = wanted.count() <= 0 || SleepUnlessStopped(stopFd_, wanted);
        debt_ += duration_cast<microseconds>(steady_clock::now() - start) - time;
        return going;
    }

private:
    int stopFd_;
    std::chrono::microseconds debt_{0};
};

// The path given with --link points at the slave while the simulator runs.
class Link {
public:
    bool make(const std::string& path, const std::string& target, std::string& error) {
        struct stat st {};
        if (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
            unlink(path.c_str());
        }
        if (symlink(target.c_str(), path.c_str()) != 0) {
            error = "cannot link " + FileFaultLine(path, std::strerror(errno));
            return false;
        }
        path_ = path;
        return true;
    }
    ~Link() {
        if (!path_.empty()) {
            unlink(path_.c_str());
        }
    }

private:
    std::string path_;
};

// The commands' log (--log), opened before the simulator listens so that a log it may not or
// cannot write ends it with the reason: through the output path's rule, so that another user's
// link or file in a shared folder is neither followed nor emptied. A line the disk refuses later
// is lost; the conversation goes on.
class CommandLog {
public:
    bool open(const std::string& path, std::string& error) {
        if (path.empty()) {
            return true;
        }
        Expected<int> fd = OpenOutputFile(path);
        if (!fd) {
            error = "ログファイルを開けません: " + FileFaultLine(path, fd.error().text);
            return false;
        }
        fd_ = *fd;
        return true;
    }
    ~CommandLog() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    void write(const std::string& line) const {
        if (fd_ >= 0) {
            WriteAll(fd_, line + '\n');
        }
    }

private:
    int fd_ = -1;
};

class Conversation {
public:
    Conversation(const SimOptions& options, SimDevice& device, SimSender& sender,
                 const CommandLog& log)
        : options_(options), device_(device), sender_(sender), log_(log) {}

    // False when the simulator was asked to stop while answering.
    bool handle(std::string_view wireLine) {
        std::string line = FromCp932(wireLine);
        if (options_.verbose) {
            std::fprintf(stderr, "vestra-sim: < %s\n", line.c_str());
        }
        log_.write(line);
        std::vector<std::string> replies = device_.answer(line);
        for (std::string& reply : replies) {
            if (options_.verbose) {
                std::fprintf(stderr, "vestra-sim: > %s\n", reply.c_str());
            }
            reply = ToCp932(reply);
        }
        return sender_.send(replies);
    }

private:
    const SimOptions& options_;
    SimDevice& device_;
    SimSender& sender_;
    const CommandLog& log_;
};

int Serve(int master, int stopFd, Conversation& conversation) {
    std::string pending;
    for (;;) {
        pollfd p[2] = {{master, POLLIN, 0}, {stopFd, POLLIN, 0}};
        if (poll(p, 2, -1) < 0 && errno != EINTR) {
            std::perror("vestra-sim: poll");
            return 1;
        }
        if ((p[1].revents & POLLIN) != 0) {
            return 0;
        }
        char chunk[512];
        ssize_t n = ::read(master, chunk, sizeof chunk);
        if (n > 0) {
            pending.append(chunk, std::size_t(n));
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            // The slave is held open here, so this only happens when the system takes the
            // line away; wait rather than spin.
            SleepUnlessStopped(stopFd, std::chrono::milliseconds(100));
        }
        for (const std::string& line : TakeLines(pending)) {
            if (!conversation.handle(line)) {
                return 0;
            }
        }
        if (pending.size() > kMaxPending) {
            pending.clear();
        }
    }
}

} // namespace

int RunSimulator(const SimOptions& options) {
    SimMemory memory;
    std::string error;
    PseudoTerminal pty;
    Link link;
    CommandLog log;
    int stopFd = StopSignals();
    if (stopFd < 0 || !LoadMemory(options, memory, error) || !log.open(options.logFile, error) ||
        !pty.open(error) ||
        (!options.linkPath.empty() && !link.make(options.linkPath, pty.slavePath(), error))) {
        std::fprintf(stderr, "vestra-sim: %s\n", error.empty() ? "signals" : error.c_str());
        return 1;
    }
    std::printf("%s\n", pty.slavePath().c_str());
    std::fflush(stdout);

    SimDevice device(std::move(memory), options.unit, options.faults, MonotonicMs);
    int master = pty.master();
    SimSender sender(
        [&](std::string_view bytes) { return WriteUnlessStopped(master, stopFd, bytes); },
        PacedSleep(stopFd), {options.pace, options.faults.slowMs, options.faults.slowPieces});
    Conversation conversation(options, device, sender, log);
    int status = Serve(master, stopFd, conversation);
    close(stopFd);
    return status;
}

} // namespace vestra::sim
