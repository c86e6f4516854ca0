#include "StopSignals.h"

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace vestra::cli {
namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM};

// Only what a handler may touch: the pipe's write end and the count of signals.
int gWriteFd = -1;
volatile sig_atomic_t gReceived = 0;
struct sigaction gPrevious[2];

void onStop(int signal) {
    if (gReceived != 0) {
        ::signal(signal, SIG_DFL);
        ::raise(signal);
        return;
    }
    gReceived = 1;
    char byte = 1;
    [[maybe_unused]] ssize_t n = ::write(gWriteFd, &byte, 1);
}

} // namespace

StopSignals::StopSignals() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    readFd_ = fds[0];
    gWriteFd = fds[1];
    gReceived = 0;
    struct sigaction action {};
    action.sa_handler = onStop;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < 2; ++i) {
        sigaction(kSignals[i], &action, &gPrevious[i]);
    }
}

StopSignals::~StopSignals() {
    if (readFd_ < 0) {
        return;
    }
    for (int i = 0; i < 2; ++i) {
        sigaction(kSignals[i], &gPrevious[i], nullptr);
    }
    ::close(readFd_);
    ::close(gWriteFd);
    gWriteFd = -1;
}

void StopSignals::drain() {
    char bytes[16];
    while (::read(readFd_, bytes, sizeof bytes) > 0) {
    }
}

} // namespace vestra::cli
