#pragma once

#include "SimOptions.h"

namespace vestra::sim {

// Runs the simulated thermometer until SIGTERM or SIGINT; the exit status of the program.
int RunSimulator(const SimOptions& options);

} // namespace vestra::sim
