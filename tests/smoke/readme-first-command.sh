#!/usr/bin/env bash
# Runs the README's first command as a new user would and fails when it no longer brings the
# program up: `bash tools/run-app.sh` on a private X server with a window manager, the start-up
# question answered, the thermometer's memory imported with the import command (Ctrl+D, the
# toolbar button's action), the readings found in the data set the import recorded, and the
# program ended through its window.
#   bash tests/smoke/readme-first-command.sh [SECONDS]   give up after SECONDS (default 900)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
limit=${1:-900}
title='VESTRAﾃﾞｰﾀ処理ｿﾌﾄ'
readings=12 # what the simulated thermometer holds when the demo passes it no option

work=$(mktemp -d "${TMPDIR:-/tmp}/vestra-smoke.XXXXXX")
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "readme-first-command: $*" >&2
    [[ -f $work/app.log ]] && sed 's/^/    app: /' "$work/app.log" >&2
    # What the screen showed, for whoever reads the failed run.
    if [[ -n ${DISPLAY:-} ]] && command -v xwd >/dev/null; then
        xwd -root -silent >"$root/build/readme-first-command-failure.xwd" 2>/dev/null || true
    fi
    echo "0 passed, 1 failed"
    exit 1
}
deadline=$((SECONDS + limit))
# Waits until "$@" succeeds, polling every half second, or fails the test with what it waited for.
wait_for() {
    local what=$1
    shift
    until "$@"; do
        ((SECONDS < deadline)) || fail "gave up waiting for $what after ${limit} s"
        if [[ -n ${app_pid:-} ]] && ! kill -0 "$app_pid" 2>/dev/null; then
            wait "$app_pid" && status=0 || status=$?
            fail "the command ended (status $status) while waiting for $what"
        fi
        sleep 0.5
    done
}

# A display of our own: -displayfd picks a free number, so a running X server is never touched.
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for "the X server" test -s "$work/display"
export DISPLAY=":$(head -n1 "$work/display")"
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
wait_for "the window manager" bash -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window'

# The command as the README writes it; its demo folders go below ours and vanish with it.
mkdir "$work/tmp"
(cd "$root" && unset QT_QPA_PLATFORM && TMPDIR="$work/tmp" exec bash tools/run-app.sh) >"$work/app.log" 2>&1 &
app_pid=$!
pids+=("$app_pid")

windows() { xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null || true; }
window_count() { windows | wc -l; }
has_windows() { (($(window_count) >= $1)); }

# The start-up question (ﾟC or ﾟF type) is the first window; OK keeps the ﾟC type.
wait_for "the start-up question" has_windows 1
question=$(windows | head -n1)
xdotool windowactivate --sync "$question" key Return
# The main window replaces it.
wait_for "the main window" bash -c "! xdotool search --onlyvisible --name '^${title}\$' | grep -qx '$question' && xdotool search --onlyvisible --name '^${title}\$' | grep -q ."
main=$(windows | head -n1)
xdotool windowactivate --sync "$main" key ctrl+d
# The import ends with its completion message over the main window.
wait_for "the end of the import" has_windows 2
box=$(windows | grep -vx "$main" | head -n1)
xdotool windowactivate --sync "$box" key Return

# The imported data set goes into the demo's own history, with every reading of the memory.
database=
find_database() {
    database=$(find "$work/tmp" -path '*/MORVA/VESTRA2/history.sqlite' -print -quit 2>/dev/null)
    [[ -n $database ]] &&
        [[ $(sqlite3 -readonly "$database" 'SELECT count(*) FROM reading' 2>/dev/null) -gt 0 ]]
}
wait_for "the imported readings in the history" find_database
count=$(sqlite3 -readonly "$database" 'SELECT count(*) FROM reading')
[[ $count == "$readings" ]] || fail "the import brought $count readings, not $readings"

# Closing the window asks whether to end without saving; yes ends the program.
xdotool windowactivate --sync "$main" key alt+F4
wait_for "the question about the unsaved data" has_windows 2
xdotool windowactivate --sync "$(windows | grep -vx "$main" | head -n1)" key alt+y
for _ in $(seq 60); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.5
done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end after its window was closed"
wait "$app_pid" && status=0 || status=$?
((status == 0)) || fail "the command ended with status $status"
echo "readme-first-command: the window showed $count imported readings and ended cleanly"
echo "1 passed, 0 failed"
