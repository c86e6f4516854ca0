#!/usr/bin/env bash
# The inspection history at scale: 10,000 data sets (1.5 million readings) added into the
# embedded database by `vestra-cli history add`, then the list of tags and the export of one tag,
# at 1,000 and at 10,000 data sets.
#
#   bench/history-scale.sh [BUILD_DIR]     (default: build; DB=postgresql://... to measure a server)
#
# Figures:
#   add rate        data sets added per second (one transaction each), by the wall clock and
#                   by the processor time of the tool (the figure a shared, loaded machine
#                   cannot spoil; the target is checked on it). Target >= 500.
#   tags, export    wall time of the command at 10,000 data sets. Target < 200 ms each.
#   export growth   export processor time at 10,000 over that at 1,000 data sets (the wall
#                   time of a 50 ms command is mostly the machine's noise); the tag's own readings
#                   stay the same (100 data sets), so it must not grow with the others.
#                   Target <= 1.5.
# Exits 1 when a target is missed.
set -euo pipefail

build=${1:-build}
cli=$build/app/vestra-cli
files=$build/bench/vestra-history-files
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
db=${DB:-$work/history.sqlite}
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data

# "WALL_MS CPU_MS" of the command: the machine may be shared, so the processor time the tool
# took is printed beside the wall time.
timed() {
    /usr/bin/time -f "%e %U %S" -o "$work/time" "$@" >/dev/null
    awk '{ printf "%d %d\n", $1 * 1000, ($2 + $3) * 1000 }' "$work/time"
}

# The best of five runs, as "WALL_MS CPU_MS": the figure of the command, not of a busy moment.
# The processor time is that of ten runs over ten, finer than the clock's 10 ms steps.
best() {
    local wall
    wall=$(for _ in 1 2 3 4 5; do timed "$@"; done | sort -n | head -n 1 | cut -d' ' -f1)
    /usr/bin/time -f "%U %S" -o "$work/time" sh -c 'for i in 1 2 3 4 5 6 7 8 9 10; do "$@" >/dev/null; done' sh "$@"
    echo "$wall $(awk '{ printf "%.1f", ($1 + $2) * 100 }' "$work/time")"
}

mkdir -p "$work/first" "$work/rest"
"$files" "$work/first" 0 1000
"$files" "$work/rest" 1000 9000

read -r add1 cpu1 < <(timed "$cli" history --db "$db" add "$work/first")
read -r export1 export1cpu < <(best "$cli" history --db "$db" export --tag FURNACE2 "$work/e1.csv")
read -r add2 cpu2 < <(timed "$cli" history --db "$db" add "$work/rest")
read -r tags tagscpu < <(best "$cli" history --db "$db" tags)
read -r export10 export10cpu < <(best "$cli" history --db "$db" export --tag FURNACE2 "$work/e10.csv")

rate=$(awk -v ms=$((add1 + add2)) 'BEGIN { printf "%.0f", 10000 / (ms / 1000) }')
cpurate=$(awk -v ms=$((cpu1 + cpu2)) 'BEGIN { printf "%.0f", 10000 / (ms / 1000) }')
growth=$(awk -v a="$export10cpu" -v b="$export1cpu" 'BEGIN { printf "%.2f", (b > 0 ? a / b : a) }')
rows=$(( $(wc -l <"$work/e10.csv") - 1 ))
size=$( [ -f "$db" ] && du -k "$db" | cut -f1 || echo "-")

echo "load average            $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) processors"
echo "data sets added         10000 in $((add1 + add2)) ms: $rate per second, $cpurate per second of processor time (target >= 500)"
echo "database size           ${size} KiB (1.5 million readings)"
echo "tags at 10,000          ${tags} ms, ${tagscpu} ms processor (target < 200), $("$cli" history --db "$db" tags | wc -l) lines"
echo "export at 1,000         ${export1} ms, ${export1cpu} ms processor"
echo "export at 10,000        ${export10} ms, ${export10cpu} ms processor (target < 200), ${rows} readings"
echo "export growth           ${growth} (processor time at 10,000 over 1,000; target <= 1.5)"

missed=0
[ "$cpurate" -ge 500 ] || missed=1
[ "$tags" -lt 200 ] || missed=1
[ "$export10" -lt 200 ] || missed=1
awk -v g="$growth" 'BEGIN { exit !(g <= 1.5) }' || missed=1
exit "$missed"
