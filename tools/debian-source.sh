#!/usr/bin/env bash
# Unpacks Debian's source package PACKAGE, the version of this machine's suites, into FOLDER with
# apt-get source, adding a deb-src line for the suites this machine already uses when it has none.
# Nothing is fetched from anywhere but the machine's own Debian mirror.
#   bash tools/debian-source.sh FOLDER PACKAGE
set -euo pipefail
[[ $# -eq 2 ]] || { echo "usage: debian-source.sh FOLDER PACKAGE" >&2; exit 2; }
folder=$1 package=$2
as_root=()
[[ $(id -u) -ne 0 ]] && as_root=(sudo)

has_sources() {
    grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/
}
if ! has_sources; then
    # The binary lines' own mirrors and suites, as source lines.
    for list in /etc/apt/sources.list.d/*.sources; do
        [[ -f $list ]] || continue
        sed -E 's/^Types:.*/Types: deb-src/' "$list" |
            "${as_root[@]}" tee "/etc/apt/sources.list.d/vestra-src-$(basename "$list")" >/dev/null
    done
    if [[ -f /etc/apt/sources.list ]]; then
        sed -nE 's/^deb (.*)/deb-src \1/p' /etc/apt/sources.list |
            "${as_root[@]}" tee /etc/apt/sources.list.d/vestra-src.list >/dev/null
    fi
    "${as_root[@]}" apt-get update
fi
mkdir -p "$folder"
cd "$folder"
# apt-get source unpacks as the calling user; it needs dpkg-source from dpkg-dev.
apt-get source --only-source "$package" >/dev/null
