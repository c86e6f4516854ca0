#!/usr/bin/env bash
# Installs what is missing, builds the application (not the tests: tools/run-tests.sh builds
# those), and starts it.
#   bash tools/run-app.sh [SIMULATOR OPTIONS]   with the simulated thermometer on COM1
#   bash tools/run-app.sh --real                with your own settings and thermometer
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
if [[ ${1:-} == --real ]]; then
    bash tools/build.sh vestra
    exec build/app/vestra
fi
exec bash tools/demo.sh "$@"
