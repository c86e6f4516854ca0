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
# The architecture notes name every folder of src/ in their table of layers.
for layer in "${layers[@]}"; do
    if ! grep -q "^| \`$layer\` |" docs/architecture.md; then
        echo "docs/architecture.md: the layer $layer has no row in the table of layers" >&2
        status=1
    fi
done
[[ $status -eq 0 ]] && echo "layers: every include runs downward (${layers[*]})"
exit $status
