#include "shell/ProgramVersion.h"

#include <gtest/gtest.h>

#ifndef VESTRA_PROJECT_VERSION
#error "VESTRA_PROJECT_VERSION (the version the build and the package carry) must be defined"
#endif

namespace vestra {
namespace {

// The package takes its version from the build; the programs print the version record's.
TEST(ProgramVersionTest, ProgramsPrintTheVersionThePackageCarries) {
    for (const char* program : {"vestra", "vestra-cli", "vestra-sim"}) {
        EXPECT_EQ(VersionLine(program), std::string(program) + " " + VESTRA_PROJECT_VERSION);
    }
}

} // namespace
} // namespace vestra
