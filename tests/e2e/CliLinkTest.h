#pragma once

#include "files/TempFolder.h"
#include "support/SimProcess.h"

#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

#if !defined(VESTRA_CLI_PATH) || !defined(VESTRA_SIM_PATH)
#error "VESTRA_CLI_PATH and VESTRA_SIM_PATH must be defined"
#endif

namespace vestra::testing {

struct CliOutcome {
    int status = -1;
    std::string out; // standard output
    std::string err; // standard error
};

// vestra-cli run as a user runs it, against a simulated thermometer on a pseudo-terminal that
// belongs to this test alone, in a folder of its own that also holds the settings.
class CliLinkTest : public ::testing::Test {
protected:
    // Starts the thermometer with these options; it logs every command it receives.
    void startSim(std::vector<std::string> options = {}) {
        options.insert(options.end(), {"--log", folder.file("sim.log")});
        sim = std::make_unique<SimProcess>(VESTRA_SIM_PATH, std::move(options));
        ASSERT_FALSE(sim->slavePath().empty()) << "the simulator did not start";
    }

    const std::string& port() const { return sim->slavePath(); }

    // environment is put before the command ("NAME=value ").
    CliOutcome cli(const std::vector<std::string>& args, const std::string& environment = "") {
        std::string command = environment + "XDG_CONFIG_HOME=" + quoted(folder.file("config")) +
                              " " + quoted(VESTRA_CLI_PATH);
        for (const std::string& arg : args) {
            command += " " + quoted(arg);
        }
        command += " >" + quoted(folder.file("cli.out")) + " 2>" + quoted(folder.file("cli.err"));
        int raw = std::system(command.c_str());
        CliOutcome outcome{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1,
                           ReadBytes(folder.file("cli.out")), ReadBytes(folder.file("cli.err"))};
        std::filesystem::remove(folder.file("cli.out"));
        std::filesystem::remove(folder.file("cli.err"));
        return outcome;
    }

    // The commands the thermometer received. The farewell may still be on its way when the
    // tool has ended, so the log is awaited until it ends with lastLine (at most a second).
    std::vector<std::string> simLog(const std::string& lastLine = "BYE") {
        std::vector<std::string> lines;
        for (int attempt = 0; attempt < 20; ++attempt) {
            lines = Lines(ReadBytes(folder.file("sim.log")));
            if (!lines.empty() && lines.back() == lastLine) {
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return lines;
    }

    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    static std::string quoted(const std::string& text) {
        std::string out = "'";
        for (char c : text) {
            out += c == '\'' ? std::string("'\\''") : std::string(1, c);
        }
        return out + "'";
    }

    TempFolder folder{"vestra-e2e"};
    std::unique_ptr<SimProcess> sim;
};

} // namespace vestra::testing
