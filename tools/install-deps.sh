#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need; with --tests also what
# only the test run and the benchmarks need (the browser that walks through the web view, the
# HTTP load generator), so that the first command of the README stays small.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config clang-format
    qt6-base-dev libqt6svg6 qt6-qpa-plugins qt6-translations-l10n
    libgtest-dev libgmock-dev
    fonts-ipafont-gothic xvfb xauth openbox xdotool x11-utils
    clang libclang-rt-14-dev
    poppler-utils time
    locales-all
    cups printer-driver-cups-pdf
    libsqlite3-dev libpq-dev postgresql sqlite3 libcli11-dev
    nlohmann-json3-dev python3-jsonschema
    libcpp-httplib-dev
    dpkg-dev desktop-file-utils appstream shared-mime-info libxml2-utils
)
if [ "${1:-}" = "--tests" ]; then
    packages+=(chromium chromium-driver python3-selenium wrk)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update
"${as_root[@]}" apt-get install -y "${missing[@]}"
