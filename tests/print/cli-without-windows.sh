#!/usr/bin/env bash
# vestra-cli from a build without the windows (VESTRA_BUILD_UI=OFF), configured and built into
# BUILD_DIR with the enclosing build's generator and compiler: the tool builds without Qt, and a
# PDF or a PNG chart ends as a missing report program does (a save error that says the program
# is not built, exit status 1, no file), while a CSV is still written.
#   bash tests/print/cli-without-windows.sh BUILD_DIR GENERATOR CXX [LAUNCHER]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$1
generator=$2
compiler=$3
launcher=${4:-}

# No optimisation and no debug information: the quickest objects to compile, and with ccache
# (paths taken relative to the checkout, as tools/build.sh does) shared between checkouts.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
cmake -S "$root" -B "$build" -G "$generator" -DCMAKE_CXX_COMPILER="$compiler" \
    -DCMAKE_CXX_COMPILER_LAUNCHER="$launcher" -DCMAKE_BUILD_TYPE= -DVESTRA_BUILD_UI=OFF \
    -DVESTRA_WERROR=ON >/dev/null
cmake --build "$build" --parallel 2 --target vestra-cli >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export XDG_CONFIG_HOME=$work/config
cp "$root/tests/files/expected/small.qmc" in.qmc
cli=$build/app/vestra-cli
if ldd "$cli" | grep -q Qt; then
    echo "the tool of a build without the windows links Qt" >&2
    exit 1
fi

failed=0
# The status the command must end with, its output file, and its words before that file.
while read -r expected out words; do
    set +e
    # shellcheck disable=SC2086 # the words are split on purpose
    "$cli" --unit C $words "$out" 2>errors
    status=$?
    set -e
    message=""
    if [ "$expected" -ne 0 ]; then
        message=$(printf 'vestra-cli: File Save Error !\nvestra-cli: %s: %s' "$out" \
            'vestra-report がビルドされていません (VESTRA_BUILD_UI=OFF)')
    fi
    if [ "$status" -ne "$expected" ] || [ "$(cat errors)" != "$message" ] ||
        { [ "$expected" -ne 0 ] && [ -e "$out" ]; } || { [ "$expected" -eq 0 ] && [ ! -s "$out" ]; }; then
        echo "FAILED: vestra-cli $words $out: status $status (expected $expected), errors:" >&2
        cat errors >&2
        failed=1
    fi
done <<'LIST'
1 r.pdf convert in.qmc
1 c.png chart in.qmc 1
0 r.csv convert in.qmc
LIST
exit $failed
