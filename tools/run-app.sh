#!/usr/bin/env bash
# Installs what is missing, builds, and starts the application.
#   bash tools/run-app.sh [SIMULATOR OPTIONS]   with the simulated thermometer on COM1
#   bash tools/run-app.sh --real                with your own settings and thermometer
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
if [[ ${1:-} == --real ]]; then
    bash tools/build.sh
    exec build/app/vestra
fi
exec bash tools/demo.sh "$@"
