#include "ReportProgram.h"

#include "base/InstallLayout.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vestra::cli {
namespace {

constexpr const char* kProgramName = "vestra-report";

// The build tree's lib/, or libexec/vestra of the installation (base/InstallLayout); never the
// current folder or the search path. Empty with the reason when there is none.
std::string findProgram(std::string& reason) {
    std::optional<std::string> candidate = PrivateProgramPath(RunningProgram(), kProgramName);
    if (!candidate) {
        reason = NotFoundWithoutProgramPlace(kProgramName);
        return {};
    }
    if (::access(candidate->c_str(), X_OK) != 0) {
        reason = std::string(kProgramName) + " が見つかりません";
        return {};
    }
    return *candidate;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string readAll(int fd) {
    std::string bytes;
    std::array<char, 65536> piece;
    for (;;) {
        ssize_t n = ::read(fd, piece.data(), piece.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return bytes;
        }
        bytes.append(piece.data(), static_cast<std::size_t>(n));
    }
}

struct Pipe {
    int read = -1;
    int write = -1;
    bool open() {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) {
            return false;
        }
        read = fds[0];
        write = fds[1];
        return true;
    }
    void close() {
        for (int* fd : {&read, &write}) {
            if (*fd >= 0) {
                ::close(*fd);
                *fd = -1;
            }
        }
    }
};

pid_t spawn(const std::string& program, const std::vector<std::string>& args, Pipe& in, Pipe& out,
            Pipe& err) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in.read, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out.write, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err.write, STDERR_FILENO);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid = -1;
    int failed = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed == 0 ? pid : -1;
}

std::string firstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

// A PDF ends with its end-of-file mark, followed at most by a line end or some padding.
constexpr std::size_t kPdfTail = 1024;
constexpr std::string_view kPngSignature{"\x89PNG\r\n\x1A\n", 8};

bool isWhole(ReportKind kind, std::string_view bytes) {
    if (kind == ReportKind::Png) {
        return bytes.starts_with(kPngSignature);
    }
    std::string_view tail = bytes.substr(bytes.size() > kPdfTail ? bytes.size() - kPdfTail : 0);
    return bytes.starts_with("%PDF-") && tail.find("%%EOF") != std::string_view::npos;
}

} // namespace

bool RunReportProgram(ReportKind kind, const std::vector<std::string>& args, std::string_view input,
                      std::string& output, std::string& reason) {
    std::string program = findProgram(reason);
    if (program.empty()) {
        return false;
    }
    Pipe in;
    Pipe out;
    Pipe err;
    if (!in.open() || !out.open() || !err.open()) {
        reason = std::strerror(errno);
        return false;
    }
    pid_t pid = spawn(program, args, in, out, err);
    ::close(in.read);
    ::close(out.write);
    ::close(err.write);
    in.read = out.write = err.write = -1;
    // The input (a data file of at most 11 KB) fits in the pipe, so writing it whole before
    // reading cannot deadlock; a child that died early only makes the write fail.
    auto previous = std::signal(SIGPIPE, SIG_IGN);
    bool sent = pid > 0 && writeAll(in.write, input);
    std::signal(SIGPIPE, previous);
    in.close();
    output = pid > 0 ? readAll(out.read) : std::string();
    std::string errors = pid > 0 ? readAll(err.read) : std::string();
    out.close();
    err.close();
    int status = 0;
    bool ended = pid > 0 && ::waitpid(pid, &status, 0) == pid;
    if (!ended || !sent || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        reason = errors.empty() ? std::string(kProgramName) + " が失敗しました" : firstLine(errors);
        return false;
    }
    if (!isWhole(kind, output)) {
        reason = std::string(kProgramName) + " の出力が " +
                 (kind == ReportKind::Pdf ? "PDF" : "PNG") + " ではありません";
        return false;
    }
    return true;
}

} // namespace vestra::cli
