#!/usr/bin/env bash
# Configures and builds into build/ (warnings are errors), hardened as Debian builds its packages
# (dpkg-buildflags): position-independent, fortified library calls, stack protector, relocations
# read-only and bound at start. CPPFLAGS, CXXFLAGS and LDFLAGS set by the caller are used as
# given. With ccache installed, objects are shared between checkouts of the project (paths are
# taken relative to the checkout).
#   bash tools/build.sh                 everything: programs, tests, benchmarks' tools
#   bash tools/build.sh TARGET...       only these CMake targets (e.g. vestra vestra-sim)
set -euo pipefail
cd "$(dirname "$0")/.."
for target in "$@"; do
    if [[ $target == -* || -z $target ]]; then
        echo "build.sh: '$target' is not a target name; usage: bash tools/build.sh [TARGET...]" >&2
        exit 2
    fi
done
launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# +all adds immediate binding (-z now), which dpkg-buildflags leaves out by default.
maint_options=${DEB_BUILD_MAINT_OPTIONS:-hardening=+all}
for flags in CPPFLAGS CXXFLAGS LDFLAGS; do
    [[ -v $flags ]] ||
        export "$flags=$(DEB_BUILD_MAINT_OPTIONS=$maint_options dpkg-buildflags --get "$flags")"
done
# Given on every configure, since CMake reads the variables only into a new cache.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESTRA_WERROR=ON "${launcher[@]}" \
    -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" \
    -DCMAKE_SHARED_LINKER_FLAGS="$LDFLAGS" -DCMAKE_MODULE_LINKER_FLAGS="$LDFLAGS" >/dev/null
targets=()
[[ $# -gt 0 ]] && targets=(--target "$@")
cmake --build build --parallel "$(nproc)" "${targets[@]}"
