#pragma once

#include "SimFaults.h"
#include "SimMemory.h"

#include <string>
#include <vector>

namespace vestra::sim {

struct SimOptions {
    SimUnit unit = SimUnit::Celsius();
    std::string memoryFile; // empty: the built-in memory
    int readings = -1;      // >= 0: a generated memory of that many readings
    std::string linkPath;
    std::string logFile;
    bool pace = false;
    bool verbose = false;
    bool help = false;
    bool version = false;
    SimFaults faults;
};

inline constexpr const char* kSimUsage =
    "Usage: vestra-sim [--unit C|F] [--memory FILE | --readings N] [--link PATH] [--pace]\n"
    "                  [--fault FAULT]... [--verbose] [--log FILE]\n"
    "       vestra-sim --version | --help\n"
    "An option's value may also follow an equals sign (--readings=5).\n"
    "faults: silent, ng1[:N], ng3[:N], garbage[:N] (the reply to the N-th command after HEL,\n"
    "        default 1, 0 = HEL itself), slow[:MS[:PIECES]] (default 1500 ms, 2 pieces),\n"
    "        long-line[:LENGTH] (default 31), cut:N (switched off after N dump lines)\n";

// Reads the arguments after the program name ("--name VALUE" or "--name=VALUE"). On a mistake
// returns false with one line naming the option in error.
bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error);

} // namespace vestra::sim
