#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need; with --tests also what
# only the test run and the benchmarks need (the browser that walks through the web view, the
# HTTP load generator, the package checks' lintian and hardening-check, the Windows build's
# compiler and Wine), so that the first command of the README stays small; with --windows what
# the Windows build needs (tools/build-windows.sh).
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
    libsqlite3-dev libpq-dev postgresql sqlite3 libcli11-dev nettle-dev
    nlohmann-json3-dev python3-jsonschema
    libcpp-httplib-dev
    dpkg-dev desktop-file-utils appstream shared-mime-info libxml2-utils
)
# Installed without what they recommend for a Debian developer's other work (keyrings, upload
# tools).
lean_packages=()
# The Windows build's compiler and Wine, which runs its tests.
windows_packages=(g++-mingw-w64-x86-64-posix wine wine64)
case "${1:-}" in
--tests)
    packages+=(chromium chromium-driver python3-selenium wrk "${windows_packages[@]}")
    lean_packages+=(lintian devscripts)
    ;;
--windows) packages+=("${windows_packages[@]}") ;;
esac

missing() {
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
    done
}
mapfile -t missing_packages < <(missing "${packages[@]}")
mapfile -t missing_lean < <(missing "${lean_packages[@]}")
[ ${#missing_packages[@]} -eq 0 ] && [ ${#missing_lean[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update
[ ${#missing_packages[@]} -eq 0 ] || "${as_root[@]}" apt-get install -y "${missing_packages[@]}"
[ ${#missing_lean[@]} -eq 0 ] ||
    "${as_root[@]}" apt-get install -y --no-install-recommends "${missing_lean[@]}"
