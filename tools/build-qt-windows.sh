#!/usr/bin/env bash
# Builds Qt for Windows from Debian's own qt6-base source with Debian's MinGW compiler and
# Debian's Qt host tools, and installs it into a cache folder named by the Qt version and this
# script's own hash, so that a change of the script builds anew. Does nothing when that folder is
# complete. Prints the folder (for CMAKE_PREFIX_PATH) on its last line.
#   bash tools/build-qt-windows.sh          (cache under ${XDG_CACHE_HOME:-~/.cache})
#   VESTRA_QT_WINDOWS_CACHE=DIR bash tools/build-qt-windows.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
as_root=()
[[ $(id -u) -ne 0 ]] && as_root=(sudo)

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null | sed 's/[-+].*//')
if [[ -z $qt_version ]]; then
    bash "$root/tools/install-deps.sh"
    qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/[-+].*//')
fi
script_hash=$(sha256sum "$0" "$root/cmake/mingw-w64-x86_64.cmake" | sha256sum | cut -c1-12)
cache=${VESTRA_QT_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vestra-qt-windows}
prefix=$cache/qt-$qt_version-$script_hash
if [[ -f $prefix/.complete ]]; then
    echo "$prefix"
    exit 0
fi

# The compiler, and the host's Qt tools (moc, rcc, uic) the cross build runs.
need=(g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools dpkg-dev cmake ninja-build)
missing=()
for p in "${need[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    "${as_root[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y "${missing[@]}"
fi

# Debian's source of the Qt the host runs, from the suite this machine already uses.
work=$cache/work-$qt_version-$script_hash
mkdir -p "$work"
find_source() { find "$work" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -n 1; }
source_dir=$(find_source)
if [[ -z $source_dir ]]; then
    bash "$root/tools/debian-source.sh" "$work" qt6-base
    source_dir=$(find_source)
fi
[[ -n $source_dir ]] || { echo "build-qt-windows.sh: no qt6-base $qt_version source" >&2; exit 1; }

# Only what the program uses: Core, Gui, Widgets, PrintSupport, Test and the Windows platform
# plug-in with its styles. OpenGL stays on (as dynamic OpenGL), since this version's Windows
# plug-in does not build without it; Debian's source leaves out the tablet library (wintab).
build=$work/build
cmake -S "$source_dir" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR= \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DBUILD_SHARED_LIBS=ON \
    -DFEATURE_tabletevent=OFF -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_opengl=ON -DFEATURE_testlib=ON \
    -DFEATURE_printsupport=ON -DFEATURE_widgets=ON -DFEATURE_sql_sqlite=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_libpng=OFF -DFEATURE_system_libjpeg=OFF
cmake --build "$build" --parallel "$(nproc)"
cmake --install "$build"
touch "$prefix/.complete"
echo "$prefix"
