#!/usr/bin/env bash
# What a conversion with vestra-cli costs beside copying the same file, and which shared
# libraries the tool loads for a command that writes no PDF (none of Qt's).
#
#   bench/cli-convert.sh [BUILD_DIR]     (default: build; RUNS=200 by default)
#
# Figures:
#   convert / cp   wall time of `vestra-cli convert full.qmc out.csv` over `cp full.qmc out.qmc`,
#                  each run RUNS times in a row. Target <= 3.
#   libraries      the tool's shared libraries (ldd); Qt must not be among them.
# Exits 1 when a target is missed.
set -euo pipefail

build=${1:-build}
runs=${RUNS:-200}
cli=$PWD/$build/app/vestra-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export XDG_CONFIG_HOME=$work/config

# A full memory of 150 readings as the input, made by the tool itself from the simulator's
# built-in memory is not needed: any valid file will do, so convert the sample of the tests.
printf 'making the input... '
"$cli" --unit C convert - full.qmc <"$OLDPWD/tests/files/expected/small.qmc"
echo ok

timed() {
    local start end
    start=$(date +%s%N)
    for _ in $(seq "$runs"); do "$@"; done
    end=$(date +%s%N)
    echo $(((end - start) / runs))
}

convert_ns=$(timed "$cli" --unit C convert full.qmc out.csv)
copy_ns=$(timed cp full.qmc out.qmc)
ratio=$(awk -v a="$convert_ns" -v b="$copy_ns" 'BEGIN { printf "%.2f", a / b }')
echo "convert: $((convert_ns / 1000)) us, cp: $((copy_ns / 1000)) us, convert / cp: $ratio (target <= 3)"

libraries=$(ldd "$cli" | awk '{ print $1 }' | tr '\n' ' ')
echo "libraries: $libraries"

status=0
if awk -v r="$ratio" 'BEGIN { exit !(r > 3) }'; then
    echo "convert / cp above target" >&2
    status=1
fi
if grep -q Qt <<<"$libraries"; then
    echo "the tool loads Qt for a conversion" >&2
    status=1
fi
exit $status
