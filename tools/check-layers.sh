#!/usr/bin/env bash
# Fails when a file under src/ includes a header of a layer above its own, or when a layer has no
# row in docs/architecture.md. The layers, lowest first, are the folder names of src/layers.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t layers < <(grep -E '^[a-z]+$' src/layers.txt)

rank() {
    local i
    for i in "${!layers[@]}"; do
        [[ ${layers[$i]} == "$1" ]] && echo "$i" && return
    done
    echo -1
}

status=0
for folder in src/*/; do
    layer=$(basename "$folder")
    own=$(rank "$layer")
    if [[ $own -lt 0 ]]; then
        echo "src/$layer is not in the layer list src/layers.txt" >&2
        status=1
        continue
    fi
    while IFS=: read -r file line included; do
        target=${included#*\"}
        target=${target%%/*}
        theirs=$(rank "$target")
        if [[ $theirs -gt $own ]]; then
            echo "$file:$line: $layer includes $target, a layer above it" >&2
            status=1
        fi
    done < <(grep -rnE '^#include "[a-z]+/' "$folder" || true)
done
# System headers only in the platform files (Posix*, Windows*) of src/ and of the programs that
# run on both platforms; the simulator (a pseudo-terminal's program) and the tests are exempt,
# and the files not moved yet are listed in tools/system-header-files.txt.
system_headers='unistd|fcntl|sys/[a-z_]+|termios|poll|dlfcn|pwd|grp|signal|dirent|iconv|langinfo'
system_headers+='|libgen|spawn|netinet/[a-z]+|arpa/inet|netdb|windows|bcrypt|shlobj|winreg'
mapfile -t listed < <(grep -v '^#' tools/system-header-files.txt)
while IFS= read -r file; do
    name=$(basename "$file")
    [[ $name == Posix* || $name == Windows* ]] && continue
    if [[ " ${listed[*]} " != *" $file "* ]]; then
        echo "$file: a system header outside a platform file (Posix*, Windows*)" >&2
        status=1
    fi
done < <(grep -rlE "^#include <($system_headers)\.h>" src app/cli app/record app/report app/web \
             app/vestra_main.cpp | sort)
for file in "${listed[@]}"; do
    if [[ ! -f $file ]] || ! grep -qE "^#include <($system_headers)\.h>" "$file"; then
        echo "tools/system-header-files.txt: $file includes no system header any more" >&2
        status=1
    fi
done

# The architecture notes name every folder of src/ in their table of layers.
for layer in "${layers[@]}"; do
    if ! grep -q "^| \`$layer\` |" docs/architecture.md; then
        echo "docs/architecture.md: the layer $layer has no row in the table of layers" >&2
        status=1
    fi
done
[[ $status -eq 0 ]] && echo "layers: every include runs downward (${layers[*]})"
exit $status
