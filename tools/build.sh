#!/usr/bin/env bash
# Configures and builds into build/ (warnings are errors). With ccache installed, objects are
# shared between checkouts of the project (paths are taken relative to the checkout).
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESTRA_WERROR=ON "${launcher[@]}" >/dev/null
cmake --build build --parallel "$(nproc)" ${1:+--target "$@"}
