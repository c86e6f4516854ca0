#!/usr/bin/env bash
# Cross-builds the program for Windows into build-windows/ with Debian's MinGW-w64 compiler
# (cmake/mingw-w64-x86_64.cmake), warnings as errors, installing the compiler and Wine (which
# runs the Windows tests) when they are missing. Today that is the core and its tests; the
# programs follow as the core's Windows side is completed (cmake/WindowsBuild.cmake).
#   bash tools/build-windows.sh [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh --windows
launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DVESTRA_WERROR=ON "${launcher[@]}" >/dev/null
targets=()
[[ $# -gt 0 ]] && targets=(--target "$@")
cmake --build build-windows --parallel "$(nproc)" "${targets[@]}"
