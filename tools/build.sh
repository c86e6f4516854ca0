#!/usr/bin/env bash
# Configures and builds into build/ (warnings are errors). With ccache installed, objects are
# shared between checkouts of the project (paths are taken relative to the checkout).
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
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESTRA_WERROR=ON "${launcher[@]}" >/dev/null
targets=()
[[ $# -gt 0 ]] && targets=(--target "$@")
cmake --build build --parallel "$(nproc)" "${targets[@]}"
