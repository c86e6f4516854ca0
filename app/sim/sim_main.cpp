#include "SimRun.h"
#include "base/ProgramVersion.h"

#include <cstdio>

int main(int argc, char** argv) {
    using namespace vestra::sim;
    SimOptions options;
    std::string error;
    if (!ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::fprintf(stderr, "vestra-sim: %s\nvestra-sim: see vestra-sim --help\n", error.c_str());
        return 2;
    }
    if (options.version) {
        std::printf("%s\n", vestra::VersionLine("vestra-sim").c_str());
        return 0;
    }
    if (options.help) {
        std::fputs(kSimUsage, stdout);
        return 0;
    }
    return RunSimulator(options);
}
