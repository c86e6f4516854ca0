#pragma once

#include <cstdio>
#include <cstdlib>

namespace vestra::fuzzing {

// A broken promise of the code under test: report it and abort, so that the fuzzer keeps the
// input that caused it.
inline void FuzzCheck(bool ok, const char* promise) {
    if (!ok) {
        std::fprintf(stderr, "broken: %s\n", promise);
        std::abort();
    }
}

} // namespace vestra::fuzzing
