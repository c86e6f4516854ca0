#pragma once

#include "support/ToolRun.h"

#include <csignal>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace vestra::testing {

// vestra-sim run as a separate program, as the end-to-end tests and the demo use it. The
// simulator is stopped when the object goes, whatever the test did.
class SimProcess {
public:
    SimProcess(std::string program, std::vector<std::string> args) {
        args.insert(args.begin(), std::move(program));
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        int out[2];
        if (pipe(out) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        char c;
        while (read(out[0], &c, 1) == 1 && c != '\n') {
            slavePath_ += c;
        }
        close(out[0]);
    }
    ~SimProcess() {
        if (pid_ > 0) {
            stop();
        }
    }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // The pseudo-terminal the simulated thermometer listens on; empty if it did not start.
    const std::string& slavePath() const { return slavePath_; }

    // Exit status after SIGTERM, -1 if it did not end normally.
    int stop() {
        int status = TerminateAndWait(pid_);
        pid_ = -1;
        return status;
    }

private:
    pid_t pid_ = -1;
    std::string slavePath_;
};

} // namespace vestra::testing
