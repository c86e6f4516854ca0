#!/usr/bin/env bash
# A second start with a data file, while the program runs, hands the file to the running window
# and ends with status 0; the running window opens it (its title then names the file).
#   bash tests/smoke/second-start-hands-over.sh [SECONDS]   give up after SECONDS (default 120)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
limit=${1:-120}
test=second-start-hands-over
source "$root/tests/smoke/desktop-session.sh"

config="$work/config/MORVA/VESTRA2/Config"
mkdir -p "$config" "$work/runtime" "$work/files"
chmod 700 "$work/runtime"
# ﾟ is byte DF in code page 932; no start-up question (UnitChange=0).
printf '[Setting]\r\nComPort= 1\r\nUnit=\xdfC\r\nUnitChange=0\r\n' >"$config/VESTRA.INI"
cp "$root/tests/fuzz/corpus/data_file/small_celsius.dat" "$work/files/handed.qmc"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"

"$root/build/app/vestra" >"$work/app.log" 2>&1 &
app_pid=$!
pids+=("$app_pid")
wait_for "the main window" has_main_window
first=$(main_window)

(cd "$work/files" && timeout 30 "$root/build/app/vestra" handed.qmc >"$work/second.log" 2>&1) &&
    status=0 || status=$?
((status == 0)) || fail "the second start ended with status $status: $(cat "$work/second.log")"
names_file() { xdotool getwindowname "$first" 2>/dev/null | grep -qx "${title} - handed.qmc"; }
wait_for "the running window to open the handed file" names_file
[[ $(windows | wc -l) == 1 ]] || fail "a second window or a message appeared"

close_and_wait_for_end "$first"
echo "$test: the running window opened the file of the second start"
echo "1 passed, 0 failed"
