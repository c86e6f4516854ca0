#!/usr/bin/env bash
# Installs what is missing, builds, runs every test and checks the Debian package. Exits
# non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh --tests
bash tools/build.sh
export QT_QPA_PLATFORM=offscreen
# The history's server tests run against a private PostgreSQL server, stopped at the end.
pg_folder=$(mktemp -d "${TMPDIR:-/tmp}/vestra-pg.XXXXXX")
chmod 755 "$pg_folder"
trap 'bash tools/test-postgresql.sh stop "$pg_folder/server" || true; rm -rf "$pg_folder"' EXIT
VESTRA_TEST_POSTGRESQL=$(bash tools/test-postgresql.sh start "$pg_folder/server" "${VESTRA_TEST_PG_PORT:-55432}")
export VESTRA_TEST_POSTGRESQL
(cd build && ctest --output-on-failure --timeout 600 -j "$(nproc)")
# The desktop as a person meets it, on a private X server with a window manager: the README's
# first command to the main window and an import, the window's place over restarts, and a
# second start handing its file to the running window.
bash tests/smoke/readme-first-command.sh
bash tests/smoke/restarts-keep-placement.sh
bash tests/smoke/second-start-hands-over.sh
# The printing tests once more on a machine with a printer, a CUPS PDF printer as its default:
# they must give the same results with and without one.
bash tools/with-cups-pdf.sh bash -c \
    'cd build && ctest --output-on-failure --timeout 300 -R "Print|ReportPdf|CliPdf|file_commands"'
# The Windows build's tests under Wine.
bash tools/run-windows-tests.sh
# The Debian package, installed into a scratch root and checked.
bash tools/package-check.sh
# The fuzz harnesses, about a minute each (FUZZ_SECONDS), in their own clang build.
bash tools/fuzz.sh
