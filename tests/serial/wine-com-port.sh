#!/usr/bin/env bash
# The Windows serial port's line cases (WindowsSerialPortTest) against the simulated thermometer:
# the simulator runs on a pseudo-terminal, Wine's port table makes COM1 that line, and the
# Windows test program runs those cases with VESTRA_TEST_COM=COM1 under Wine.
#   WINEPREFIX=... bash tests/serial/wine-com-port.sh SIMULATOR WINDOWS_TEST_PROGRAM
# The prefix must be made already (wineboot --init); its COM1 is pointed at the simulator.
set -euo pipefail
[[ $# -eq 2 && -n ${WINEPREFIX:-} ]] || {
    echo "usage: WINEPREFIX=... $0 SIMULATOR WINDOWS_TEST_PROGRAM" >&2
    exit 2
}
simulator=$1
program=$2
export WINEDEBUG=-all
work=$(mktemp -d "${TMPDIR:-/tmp}/vestra-com.XXXXXX")
"$simulator" --pace --link "$work/tty" >"$work/sim.log" 2>&1 &
sim_pid=$!
trap 'kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 50); do
    [[ -L $work/tty ]] && break
    sleep 0.1
done
[[ -L $work/tty ]] || {
    echo "the simulator made no line:" >&2
    cat "$work/sim.log" >&2
    exit 1
}
# Wine's mount manager writes the dosdevices links of the COM ports at each start of the prefix,
# from this table first; a link written by hand would be replaced by /dev/ttyS0.
wine reg add 'HKLM\Software\Wine\Ports' /v COM1 /d "$work/tty" /f >/dev/null
wineserver -w
# The server of the test run starts here with its output aside: when it is ended it writes out
# every object it holds.
wineserver -p5 >/dev/null 2>&1
VESTRA_TEST_COM=COM1 wine "$program" --gtest_filter='WindowsSerialPortTest.*'
