#!/usr/bin/env bash
# The project's performance figures, from one run:
#   import        wall time over the floor of the serial line, CPU time over wall time
#                 for the tool and the window (bench/import-speed.sh; targets <= 1.005 and
#                 <= 0.005)
#   start-up      the application's main window shown (offscreen) over the yardstick, a minimal
#                 Qt Widgets window with one Japanese text started and ended the same way:
#                 medians of RUNS starts each, taken in turns (target <= 1.3)
#   memory        the application's peak resident memory after importing 150 readings from the
#                 simulated thermometer (target < 80 MiB), and over the yardstick's (<= 1.3)
#   convert       vestra-cli converting a data file to CSV over cp copying it
#                 (bench/cli-convert.sh; target <= 3)
#
#   bench/app-figures.sh [BUILD_DIR]     (default: build; RUNS=15 by default)
# Exits 1 when a target is missed.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${RUNS:-15}
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

echo "== import"
import_status=0
bash bench/import-speed.sh "$build" || import_status=$?

export QT_QPA_PLATFORM=offscreen
# A history file of its own: the import records into it.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
probe=$build/bench/vestra-startup-probe
minimal=$build/bench/qt-minimal-probe

micros() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# One start of each first, so that both find the libraries and fonts in the page cache.
micros "$probe" >/dev/null
micros "$minimal" >/dev/null
: >"$work/app"
: >"$work/min"
for _ in $(seq "$runs"); do
    micros "$probe" >>"$work/app"
    micros "$minimal" >>"$work/min"
done
app_us=$(median <"$work/app")
min_us=$(median <"$work/min")

"$build/app/sim/vestra-sim" --readings 150 --link "$work/tty" >"$work/sim.out" 2>&1 &
simpid=$!
for _ in $(seq 50); do
    [ -L "$work/tty" ] && break
    sleep 0.1
done
config="$XDG_CONFIG_HOME/MORVA/VESTRA2/Config"
mkdir -p "$config"
printf '[Setting]\r\nComPort= 1\r\nUnit=\xdfC\r\nUnitChange=0\r\n\r\n[Ports]\r\nCOM1=%s\r\n' \
    "$work/tty" >"$config/VESTRA.INI"
peak_kib=$("$probe" --import 2>"$work/probe.err")
min_kib=$("$minimal")
if ! grep -q '150件' "$work/probe.err"; then
    echo "the import did not bring 150 readings:" >&2
    cat "$work/probe.err" >&2
    exit 1
fi

echo "== convert"
convert_status=0
bash bench/cli-convert.sh "$build" || convert_status=$?

awk -v app="$app_us" -v min="$min_us" -v kib="$peak_kib" -v minkib="$min_kib" \
    -v failed="$((import_status | convert_status))" 'BEGIN {
    ratio = app / min
    mib = kib / 1024
    memory = kib / minkib
    printf "== start-up (median of %d)\n", '"$runs"'
    printf "application        %.1f ms\n", app / 1000
    printf "yardstick          %.1f ms\n", min / 1000
    printf "start-up ratio     %.2f (target <= 1.3)\n", ratio
    printf "== memory\n"
    printf "peak after import  %.1f MiB (target < 80)\n", mib
    printf "yardstick peak     %.1f MiB\n", minkib / 1024
    printf "memory ratio       %.2f (target <= 1.3)\n", memory
    exit (ratio > 1.3 || memory > 1.3 || mib >= 80 || failed != 0) ? 1 : 0
}'
