#include "base/ProgramVersion.h"

#include "base/AppInfo.h"

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

TEST(ProgramVersionTest, PrintedVersionIsTheVersionRecords) {
    EXPECT_EQ(std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
                  std::to_string(kVersionRevision),
              kVersionText);
}

} // namespace
} // namespace vestra
