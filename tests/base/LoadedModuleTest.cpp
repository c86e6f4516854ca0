#include "base/LoadedModule.h"

#include "base/ModuleLibrary.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

// A module's file is named as the build names a module library on the platform.
TEST(LoadedModuleTest, AMissingModuleIsNamedByItsFileAndNotLoaded) {
#ifndef _WIN32
    EXPECT_EQ(ModuleFileName("vestra-sqlite"), "vestra-sqlite.so");
#else
    EXPECT_EQ(ModuleFileName("vestra-sqlite"), "vestra-sqlite.dll");
#endif
    ModuleEntry loaded = LoadModuleEntry("vestra-absent", "vestra_absent_entry", "test module");
    EXPECT_EQ(loaded.entry, nullptr);
    EXPECT_EQ(loaded.failure.rfind("the test module cannot be loaded (", 0), 0u) << loaded.failure;
    EXPECT_NE(loaded.failure.find(ModuleFileName("vestra-absent")), std::string::npos)
        << loaded.failure;
}

} // namespace
} // namespace vestra
