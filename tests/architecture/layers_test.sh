#!/usr/bin/env bash
# The folders of src/ are floors: each includes only from itself and from the
# folders below it, so that no two subsystems depend on each other. The order
# from the bottom up is the order of add_subdirectory() in src/CMakeLists.txt.
set -euo pipefail
src="$1/src"
mapfile -t floors < <(sed -n 's/^add_subdirectory(\([a-z_]*\))$/\1/p' "$src/CMakeLists.txt")
[ "${#floors[@]}" -gt 0 ] || { echo "no folders found in $src/CMakeLists.txt"; exit 1; }

declare -A level
for i in "${!floors[@]}"; do level[${floors[$i]}]=$i; done

failed=0
for floor in "${floors[@]}"; do
    while IFS= read -r line; do
        file=${line%%:*}
        target=$(sed -n 's/.*#include "\([a-z_]*\)\/.*/\1/p' <<<"$line")
        if [ -z "${level[$target]+set}" ]; then
            echo "$file includes from $target/, which is no folder of src/"
            failed=1
        elif [ "${level[$target]}" -gt "${level[$floor]}" ]; then
            echo "$file ($floor/) includes from $target/, a floor above it"
            failed=1
        fi
    done < <(grep -rHE '^#include "[a-z_]+/' "$src/$floor" || true)
done
exit $failed
