#!/usr/bin/env bash
# The main window under a real window manager comes back where it was closed, start after start,
# and a size saved on a larger screen comes back fitted to this one (1366x768).
#   bash tests/smoke/restarts-keep-placement.sh [SECONDS]   give up after SECONDS (default 180)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
limit=${1:-180}
test=restarts-keep-placement
source "$root/tests/smoke/desktop-session.sh"

config="$work/config/MORVA/VESTRA2/Config"
mkdir -p "$config" "$work/runtime"
chmod 700 "$work/runtime"
placement() { tr -d '\r' <"$config/VESTRA.INI" | sed -n '/^\[Window\]/,/^\[/p' | grep -v '^\['; }
key() { placement | sed -n "s/^$1=//p"; }

# One start and a close through the window manager, as a user ends the program.
run_once() {
    XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" \
        "$root/build/app/vestra" >"$work/app.log" 2>&1 &
    app_pid=$!
    pids+=("$app_pid")
    wait_for "the main window" has_main_window
    sleep 1 # the window manager has placed the frame
    close_and_wait_for_end "$(main_window)"
}

for saved in "100 100 900 600" "300 200 1800 1000"; do
    read -r left top width height <<<"$saved"
    # ﾟ is byte DF in code page 932; no start-up question (UnitChange=0).
    printf '[Setting]\r\nComPort= 1\r\nUnit=\xdfC\r\nUnitChange=0\r\n[Window]\r\nLeft=%s\r\nTop=%s\r\nWidth=%s\r\nHeight=%s\r\n' \
        "$left" "$top" "$width" "$height" >"$config/VESTRA.INI"
    run_once
    first=$(placement)
    [[ -n $(key Maximized) ]] || fail "the window's placement was not written at exit"
    (($(key Width) <= 1366 && $(key Top) + $(key Height) <= 768)) ||
        fail "saved as $saved, the window came back off the screen: $(echo $first)"
    for round in 2 3; do
        run_once
        [[ $(placement) == "$first" ]] ||
            fail "start $round moved the window: $(echo $first) became $(echo $(placement))"
    done
done
echo "$test: three starts in the same place, a large size fitted to the screen"
echo "1 passed, 0 failed"
