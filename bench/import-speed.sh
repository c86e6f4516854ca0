#!/usr/bin/env bash
# How close a memory import comes to the speed of the serial line, and how idle the program
# stays while it waits for the thermometer: `vestra-cli import` and the application's own port
# and communication window (offscreen, bench/WindowImportProbe.cpp). The simulated thermometer
# sends at 4800 baud (480 bytes a second with start and stop bits), as the real one does.
#
#   bench/import-speed.sh [BUILD_DIR]        (default: build; READINGS=150 by default)
#
# Figures, for each of the two:
#   wall / floor  the import's wall time over the least the protocol allows: every byte on the
#                 wire, both directions, at 480 bytes a second, plus the 1.0 s from the start of
#                 the wake-up break to "HEL" (an import has no other pauses). Target <= 1.005.
#   cpu / wall    user + system time over wall time. Target <= 0.005.
# Exits 1 when a target is missed.
set -euo pipefail

build=${1:-build}
readings=${READINGS:-150}
cli=$build/app/vestra-cli
sim=$build/app/sim/vestra-sim
probe=$build/bench/window-import-probe
work=$(mktemp -d)
simpid=

stop_sim() {
    if [ -n "$simpid" ]; then
        kill "$simpid" 2>/dev/null || true
        wait "$simpid" 2>/dev/null || true
        simpid=
    fi
}
cleanup() {
    stop_sim
    rm -rf "$work"
}
trap cleanup EXIT

start_sim() {
    "$sim" --pace --readings "$readings" --verbose >"$work/sim.out" 2>"$work/sim.err" &
    simpid=$!
    for _ in $(seq 50); do
        [ -s "$work/sim.out" ] && break
        sleep 0.1
    done
    port=$(head -n 1 "$work/sim.out")
    [ -n "$port" ] || { echo "the simulator did not start" >&2; exit 1; }
}

# Every line either side sent, in code page 932 as on the wire, each with its CR LF.
wire_bytes() {
    sed -n 's/^vestra-sim: [<>] //p' "$work/sim.err" | iconv -f UTF-8 -t CP932 |
        LC_ALL=C awk '{ n += length($0) + 2 } END { print n }'
}

# figures NAME BYTES WALL CPU: prints the two ratios; returns 1 when one misses its target.
figures() {
    awk -v name="$1" -v bytes="$2" -v wall="$3" -v cpu="$4" 'BEGIN {
        floor = bytes / 480 + 1.0
        speed = wall / floor
        load = cpu / wall
        printf "== %s\n", name
        printf "bytes on the wire  %d\n", bytes
        printf "floor              %.3f s\n", floor
        printf "wall               %.3f s\n", wall
        printf "cpu (user+sys)     %.3f s\n", cpu
        printf "wall / floor       %.4f  (target <= 1.005) %s\n", speed, speed <= 1.005 ? "ok" : "MISSED"
        printf "cpu / wall         %.4f  (target <= 0.005) %s\n", load, load <= 0.005 ? "ok" : "MISSED"
        exit (speed <= 1.005 && load <= 0.005) ? 0 : 1
    }'
}

status=0

start_sim
if ! XDG_CONFIG_HOME="$work/config" /usr/bin/time -f "%e %U %S" -o "$work/time" \
    "$cli" --unit C import --port "$port" "$work/memory.qmc" >"$work/cli.out" 2>"$work/cli.err"; then
    cat "$work/cli.err" >&2
    exit 1
fi
cat "$work/cli.out"
sleep 0.3 # the farewell reaches the simulator's log
read -r wall user sys <"$work/time"
figures "vestra-cli import" "$(wire_bytes)" "$wall" "$(awk -v u="$user" -v s="$sys" 'BEGIN { print u + s }')" ||
    status=1
stop_sim

start_sim
if ! QT_QPA_PLATFORM=offscreen "$probe" "$port" >"$work/probe.out" 2>"$work/probe.err"; then
    cat "$work/probe.err" >&2
    exit 1
fi
sleep 0.3
read -r wall cpu <"$work/probe.out"
figures "the window's import" "$(wire_bytes)" "$wall" "$cpu" || status=1
exit $status
