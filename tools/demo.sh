#!/usr/bin/env bash
# Tries the application without a thermometer: the simulated one answers on a pseudo-terminal
# that a temporary settings file maps to COM1. The simulator sends at the speed of the real
# line (4800 baud), so an import takes as long as with a thermometer. Further arguments go to
# the simulator, for example --readings 150, --fault cut:20, --unit F.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh vestra vestra-sim

work=$(mktemp -d)
sim_pid=
cleanup() {
    if [[ -n $sim_pid ]]; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

link="$work/ttyVESTRA"
build/app/sim/vestra-sim --link "$link" --pace "$@" >"$work/sim.out" &
sim_pid=$!
for _ in $(seq 50); do
    [[ -L $link ]] && break
    kill -0 "$sim_pid" 2>/dev/null || break
    sleep 0.1
done
if [[ ! -L $link ]]; then
    echo "demo: the simulated thermometer did not start" >&2
    exit 1
fi

# Settings, data and runtime folders of its own: the single-instance lock lies beside the
# settings file, so the demo runs beside a running copy of the application or another demo; the
# demo's imports go into a history of its own, never into the user's.
export XDG_RUNTIME_DIR="$work/runtime"
export XDG_DATA_HOME="$work/data"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export XDG_CONFIG_HOME="$work/config"
config="$XDG_CONFIG_HOME/MORVA/VESTRA2/Config"
mkdir -p "$config"
# The file a first run writes (ﾟ is byte DF in code page 932), plus COM1 on the simulator.
printf '[Setting]\r\nComPort= 1\r\nUnit=\xdfC\r\nUnitChange=1\r\n\r\n[Print]\r\nData=0\r\nGroup= 0\r\n\r\n[Ports]\r\nCOM1=%s\r\n' \
    "$link" >"$config/VESTRA.INI"
echo "demo: simulated thermometer on $(cat "$work/sim.out") as COM1 ($link)"

status=0
build/app/vestra || status=$?
exit "$status"
