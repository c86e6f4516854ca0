#!/usr/bin/env bash
# Builds the Windows build (tools/build-windows.sh) and runs its tests under Wine, in a Wine
# prefix of its own made for this run and removed at the end; then the COM port's cases against
# the simulator (tests/serial/wine-com-port.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build-windows.sh
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/vestra-wine.XXXXXX")
export WINEPREFIX WINEDEBUG=-all
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$WINEPREFIX"' EXIT
# The prefix once, before the tests: its first start takes half a minute.
wineboot --init >/dev/null 2>&1
(cd build-windows && ctest --output-on-failure --timeout 600)
# The COM port's line cases need the simulator, a Linux program, at the line's far end.
bash tools/build.sh vestra-sim
bash tests/serial/wine-com-port.sh build/app/sim/vestra-sim build-windows/tests/vestra_core_tests.exe
