#!/usr/bin/env bash
# The web view under load: 50 concurrent clients (Debian's wrk) against a tag's page and the
# overview of a history of 10,000 data sets (the data sets of bench/history-scale.sh: 2,000
# measuring points, 1.5 million readings), then the server's memory over 100,000 requests.
#
#   bench/web-load.sh [BUILD_DIR]     (default: build; DB=postgresql://... to measure a server,
#                                      SETS=N for another number of data sets, SETS=0 to serve
#                                      DB as it is; REQUESTS=N for the memory run)
#
# Figures: requests per second, p50 and p99 latency of each page (requests that took longer
# than wrk's 10 s are counted as time-outs, not in the latency); resident memory of the server
# after half and after all of REQUESTS (default 100,000) requests of the tag page. Targets on a quiet machine: p99 of
# a tag page < 100 ms, of the overview < 300 ms, memory flat (growth < 10 %). Exits 1 when one
# is missed.
set -euo pipefail

build=${1:-build}
cli=$build/app/vestra-cli
web=$build/app/web/vestra-web
files=$build/bench/vestra-history-files
sets=${SETS:-10000}
command -v wrk >/dev/null || { echo "wrk is missing (bash tools/install-deps.sh --tests)" >&2; exit 1; }
work=$(mktemp -d)
server=
trap '[ -n "$server" ] && kill "$server" 2>/dev/null; rm -rf "$work"' EXIT
db=${DB:-$work/history.sqlite}
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data

if [ "$sets" -gt 0 ]; then
    mkdir -p "$work/sets"
    "$files" "$work/sets" 0 "$sets"
    "$cli" history --db "$db" add "$work/sets" >/dev/null
    rm -rf "$work/sets"
fi
requests=${REQUESTS:-100000}

"$web" --db "$db" --listen 127.0.0.1:0 2>"$work/log" &
server=$!
for _ in $(seq 100); do
    port=$(sed -n 's/.*listening on 127\.0\.0\.1:\([0-9]*\)$/\1/p' "$work/log")
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "$port" ] || { echo "the server did not start: $(cat "$work/log")" >&2; exit 1; }
base=http://127.0.0.1:$port

# "REQUESTS_PER_SECOND P50_MS P99_MS REQUESTS" of wrk's report.
load() {
    wrk -t2 -c50 -d"$1" --timeout 10s --latency "$2" >"$work/wrk"
    awk '
        function ms(text) {
            if (text ~ /us$/) return substr(text, 1, length(text) - 2) / 1000
            if (text ~ /ms$/) return substr(text, 1, length(text) - 2) + 0
            if (text ~ /s$/) return substr(text, 1, length(text) - 1) * 1000
            return text
        }
        $1 == "50%" { p50 = ms($2) } $1 == "99%" { p99 = ms($2) }
        $1 == "Requests/sec:" { rate = $2 } / requests in / { count = $1 }
        /Non-2xx/ { bad = $NF } /Socket errors/ { late = $NF }
        END { printf "%.0f %.1f %.1f %d %d %d\n", rate, p50, p99, count, bad, late }' "$work/wrk"
}

rss() {
    awk '/^VmRSS/ { print $2 }' "/proc/$server/status"
}

tag=$base'/tag?name=FURNACE2&unit=C'
read -r tagrate tag50 tag99 _ tagbad taglate < <(load 15s "$tag")
read -r allrate all50 all99 _ allbad alllate < <(load 30s "$base/")
# The requests wrk left behind are answered before the memory run starts.
curl -s -o /dev/null "$base/style.css"

# Requests of the tag page until half and all of them have been answered.
answered=0
while [ "$answered" -lt $((requests / 2)) ]; do read -r _ _ _ n _ _ < <(load 5s "$tag"); answered=$((answered + n)); done
rss1=$(rss)
while [ "$answered" -lt "$requests" ]; do read -r _ _ _ n _ _ < <(load 5s "$tag"); answered=$((answered + n)); done
rss2=$(rss)
growth=$(awk -v a="$rss1" -v b="$rss2" 'BEGIN { printf "%.1f", (b - a) * 100 / a }')

echo "load average            $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) processors"
echo "history                 $sets data sets, $(echo "$db" | sed 's/:[^:@/]*@/:***@/')"
echo "tag page                $tagrate requests/s, p50 $tag50 ms, p99 $tag99 ms (target < 100), non-2xx $tagbad, time-outs $taglate"
echo "overview                $allrate requests/s, p50 $all50 ms, p99 $all99 ms (target < 300), non-2xx $allbad, time-outs $alllate"
echo "memory                  ${rss1} KiB after half, ${rss2} KiB after $answered requests ($growth %, target < 10)"

missed=0
awk -v a="$tag99" -v b="$all99" -v g="$growth" 'BEGIN { exit !(a < 100 && b < 300 && g < 10) }' || missed=1
[ "$tagbad" -eq 0 ] && [ "$allbad" -eq 0 ] && [ "$taglate" -eq 0 ] && [ "$alllate" -eq 0 ] || missed=1
exit "$missed"
