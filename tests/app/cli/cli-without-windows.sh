#!/usr/bin/env bash
# vestra-cli from a build without the windows, built into BUILD_DIR with the enclosing build's
# generator and compiler (unoptimised, through ccache as tools/build.sh uses it): it links no
# Qt, writes a CSV, and ends a PDF or a PNG chart with exit status 1, nothing written and the
# save error saying that the report program is not built.
#   bash tests/app/cli/cli-without-windows.sh BUILD_DIR GENERATOR CXX [LAUNCHER]
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
# A packager's flags (_FORTIFY_SOURCE) would warn without optimisation.
unset CXXFLAGS LDFLAGS
cmake -S "$root" -B "$1" -G "$2" -DCMAKE_CXX_COMPILER="$3" -DCMAKE_CXX_COMPILER_LAUNCHER="${4:-}" \
    -DCMAKE_BUILD_TYPE= -DVESTRA_BUILD_UI=OFF -DVESTRA_WERROR=ON >/dev/null
cmake --build "$1" --parallel 2 --target vestra-cli >/dev/null
cli=$1/app/vestra-cli
if ldd "$cli" | grep Qt; then exit 1; fi
cd "$(mktemp -d)"
trap 'rm -rf "$PWD"' EXIT
export XDG_CONFIG_HOME=$PWD/config
cp "$root/tests/files/expected/small.qmc" in.qmc
"$cli" convert in.qmc r.csv
test -s r.csv
for out in r.pdf c.png; do
    [ "$out" = r.pdf ] && command=(convert in.qmc) || command=(chart in.qmc 1)
    status=0
    "$cli" --unit C "${command[@]}" "$out" 2>errors || status=$?
    printf 'vestra-cli: File Save Error !\nvestra-cli: %s: %s\n' "$out" \
        'vestra-report がビルドされていません (VESTRA_BUILD_UI=OFF)' | diff - errors
    test "$status" -eq 1
    test ! -e "$out"
done
