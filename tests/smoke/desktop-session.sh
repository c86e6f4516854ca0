# Sourced by the desktop tests: a private X server with a window manager, and waiting for what a
# person would see. Set before sourcing: test (the test's name), root (the checkout), limit
# (seconds the whole test may take). Programs started with start_program are ended at exit.
work=$(mktemp -d "${TMPDIR:-/tmp}/vestra-$test.XXXXXX")
pids=()
app_pid=
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "$test: $*" >&2
    [[ -f $work/app.log ]] && sed 's/^/    app: /' "$work/app.log" >&2
    # What the screen showed, for whoever reads the failed run.
    if [[ -n ${DISPLAY:-} ]] && command -v xwd >/dev/null; then
        xwd -root -silent >"$root/build/$test-failure.xwd" 2>/dev/null || true
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
        if [[ -n $app_pid ]] && ! kill -0 "$app_pid" 2>/dev/null; then
            wait "$app_pid" && status=0 || status=$?
            fail "the program ended (status $status) while waiting for $what"
        fi
        sleep 0.5
    done
}
# Closes window with Alt+F4 as a person would, once more when it is still there after 5 s (a key
# can go astray while the window manager moves the focus), then waits for the program to end.
close_and_wait_for_end() {
    local window=$1
    xdotool windowactivate --sync "$window" key alt+F4
    for _ in $(seq 10); do
        xdotool getwindowname "$window" >/dev/null 2>&1 || break
        sleep 0.5
    done
    if xdotool getwindowname "$window" >/dev/null 2>&1 && kill -0 "$app_pid" 2>/dev/null; then
        xdotool windowactivate --sync "$window" key alt+F4
    fi
    wait_for_end
}
# Waits for the program started last to end by itself and fails unless its status is 0.
wait_for_end() {
    for _ in $(seq 60); do
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.5
    done
    if kill -0 "$app_pid" 2>/dev/null; then
        fail "the program did not end after its window was closed" \
            "(windows left: $(windows | wc -l); waiting in: $(cat "/proc/$app_pid/wchan" 2>/dev/null);" \
            "children: $(ps -o comm= --ppid "$app_pid" | tr '\n' ' '))"
    fi
    wait "$app_pid" && status=0 || status=$?
    ((status == 0)) || fail "the program ended with status $status"
    app_pid=
}

# A display of our own: -displayfd picks a free number, so a running X server is never touched.
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for "the X server" test -s "$work/display"
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
# Ready once it says which hints it supports: xdotool's activation needs _NET_ACTIVE_WINDOW, which
# openbox may list only after it has named itself.
wait_for "the window manager" bash -c 'xprop -root _NET_SUPPORTED | grep -q _NET_ACTIVE_WINDOW'

title='VESTRAﾃﾞｰﾀ処理ｿﾌﾄ'
# The main window's title also names its data file and marks unsaved changes ("... - a.qmc*").
windows() { xdotool search --onlyvisible --name "^${title}( - .+)?\\*?\$" 2>/dev/null || true; }
has_windows() { (($(windows | wc -l) >= $1)); }
# The main window, not the start-up form or a message box (dialogs, with the same title).
main_window() {
    local w
    for w in $(windows); do
        xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q '= _NET_WM_WINDOW_TYPE_NORMAL$' &&
            echo "$w" && return
    done
    return 0
}
has_main_window() { [[ -n $(main_window) ]]; }
