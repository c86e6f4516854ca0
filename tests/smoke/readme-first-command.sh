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
readings=12 # what the simulated thermometer holds when the demo passes it no option

test=readme-first-command
source "$root/tests/smoke/desktop-session.sh"

# The command as the README writes it; its demo folders go below ours and vanish with it.
mkdir "$work/tmp"
(cd "$root" && TMPDIR="$work/tmp" exec bash tools/run-app.sh) >"$work/app.log" 2>&1 &
app_pid=$!
pids+=("$app_pid")

# The start-up question (ﾟC or ﾟF type) is the first window; OK keeps the ﾟC type.
wait_for "the start-up question" has_windows 1
question=$(windows | head -n1)
xdotool windowactivate --sync "$question" key Return
# The main window replaces it.
wait_for "the main window" has_main_window
main=$(main_window)
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
wait_for_end
echo "readme-first-command: the window showed $count imported readings and ended cleanly"
echo "1 passed, 0 failed"
