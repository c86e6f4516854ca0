#!/usr/bin/env bash
# How close `vestra-cli import` comes to the speed of the serial line, and how idle the tool
# stays while it waits for the thermometer. The simulated thermometer sends at 4800 baud
# (480 bytes a second with start and stop bits), as the real one does.
#
#   bench/import-speed.sh [BUILD_DIR]        (default: build; READINGS=150 by default)
#
# Figures:
#   wall / floor  the import's wall time over the least the protocol allows: every byte on the
#                 wire, both directions, at 480 bytes a second, plus the 100 + 100 ms wake-up
#                 and the 1000 ms start pause (an import has no progress pauses). Target <= 1.03.
#   cpu / wall    user + system time of vestra-cli over its wall time. Target <= 0.02.
# Exits 1 when a target is missed.
set -euo pipefail

build=${1:-build}
readings=${READINGS:-150}
cli=$build/app/vestra-cli
sim=$build/app/sim/vestra-sim
work=$(mktemp -d)
simpid=

cleanup() {
    if [ -n "$simpid" ]; then
        kill "$simpid" 2>/dev/null || true
        wait "$simpid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

"$sim" --pace --readings "$readings" --verbose >"$work/sim.out" 2>"$work/sim.err" &
simpid=$!
for _ in $(seq 50); do
    [ -s "$work/sim.out" ] && break
    sleep 0.1
done
port=$(head -n 1 "$work/sim.out")
[ -n "$port" ] || { echo "the simulator did not start" >&2; exit 1; }

if ! XDG_CONFIG_HOME="$work/config" /usr/bin/time -f "%e %U %S" -o "$work/time" \
    "$cli" --unit C import --port "$port" "$work/memory.qmc" >"$work/cli.out" 2>"$work/cli.err"; then
    cat "$work/cli.err" >&2
    exit 1
fi
cat "$work/cli.out"
sleep 0.3 # the farewell reaches the simulator's log

# Every line either side sent, in code page 932 as on the wire, each with its CR LF.
wire_bytes=$(sed -n 's/^vestra-sim: [<>] //p' "$work/sim.err" | iconv -f UTF-8 -t CP932 |
    LC_ALL=C awk '{ n += length($0) + 2 } END { print n }')
read -r wall user sys <"$work/time"

awk -v bytes="$wire_bytes" -v wall="$wall" -v user="$user" -v sys="$sys" 'BEGIN {
    floor = bytes / 480 + 0.2 + 1.0
    speed = wall / floor
    load = (user + sys) / wall
    printf "bytes on the wire  %d\n", bytes
    printf "floor              %.2f s\n", floor
    printf "wall               %.2f s\n", wall
    printf "cpu (user+sys)     %.2f s\n", user + sys
    printf "wall / floor       %.4f  (target <= 1.03) %s\n", speed, speed <= 1.03 ? "ok" : "MISSED"
    printf "cpu / wall         %.4f  (target <= 0.02) %s\n", load, load <= 0.02 ? "ok" : "MISSED"
    exit (speed <= 1.03 && load <= 0.02) ? 0 : 1
}'
