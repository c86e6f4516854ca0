#!/usr/bin/env bash
# How often the window's start ends abnormally on a busy machine: starts the built application
# RUNS times (offscreen unless QT_QPA_PLATFORM says otherwise, e.g. xcb on an X server, settings
# of its own without the start-up question) while one busy loop per core runs beside it. A start counts as reached once the main window is up, which the
# hand-over socket beside the lock shows (it is made right after the window is shown); it is
# then ended with SIGTERM. A start that ends by itself before, or does not get there within
# LIMIT seconds, is kept: its Qt debug log (QT_LOGGING_RULES=*.debug=true) and core dump go to
# OUT.
#
#   bench/start-under-load.sh [BUILD_DIR]   (default: build; RUNS=30, LIMIT=30, OUT=a new
#                                            folder under build/)
# Outside CI: it keeps every core busy for the whole run. Exits 1 when a start aborted.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${RUNS:-30}
limit=${LIMIT:-30}
out=${OUT:-$(mktemp -d "$build/start-under-load.XXXXXX")}
app=$(realpath "$build/app/vestra")
mkdir -p "$out"
work=$(mktemp -d)
loads=()
app_pid=
cleanup() {
    [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null || true
    for pid in "${loads[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
    rmdir "$out" 2>/dev/null || true # nothing kept
}
trap cleanup EXIT
trap "exit 130" INT TERM # so that the busy loops end with the script

ulimit -c unlimited
for _ in $(seq "$(nproc)"); do
    bash -c 'while :; do :; done' &
    loads+=($!)
done

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} QT_LOGGING_RULES='*.debug=true'
reached=0 aborted=0 other=0 stuck=0
for run in $(seq "$runs"); do
    home=$work/run$run
    config=$home/config/MORVA/VESTRA2/Config
    mkdir -p "$config" "$home/data" "$home/runtime"
    chmod 700 "$home/runtime"
    # ﾟ is byte DF in code page 932; no start-up question (UnitChange=0).
    printf '[Setting]\r\nComPort= 1\r\nUnit=\xdfC\r\nUnitChange=0\r\n' >"$config/VESTRA.INI"
    # A core dump is written into the working folder (core_pattern "core").
    (cd "$home" && HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data \
        XDG_RUNTIME_DIR=$home/runtime exec "$app" >"$home/log" 2>&1) &
    app_pid=$!
    for _ in $(seq $((limit * 10))); do
        [[ -S $config/VESTRA.INI.sock ]] && break
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [[ -S $config/VESTRA.INI.sock ]] && kill -0 "$app_pid" 2>/dev/null; then
        kill -TERM "$app_pid"
        wait "$app_pid" 2>/dev/null || true
        reached=$((reached + 1))
        rm -rf "$home"
    else
        if kill -0 "$app_pid" 2>/dev/null; then
            stuck=$((stuck + 1))
            kill -ABRT "$app_pid" # for its core dump: where it waits
            wait "$app_pid" 2>/dev/null || true
            why="was not up within $limit s"
        else
            wait "$app_pid" && status=0 || status=$?
            if ((status == 134)); then aborted=$((aborted + 1)); else other=$((other + 1)); fi
            why="ended with status $status before its window was up"
        fi
        echo "run $run: $why; kept in $out/run$run"
        mv "$home" "$out/run$run"
    fi
    app_pid=
done
echo "starts: $runs, window up: $reached, aborted (SIGABRT): $aborted, other ends: $other," \
    "not up within $limit s: $stuck"
((aborted == 0))
