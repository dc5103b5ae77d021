#!/usr/bin/env bash
# Names every include that crosses the layers the wrong way and fails if there is any. Includes
# run app -> gui -> core only: the core is standard C++ (no Qt, nothing of the windows or the
# programs), the command line builds on the core alone (no Qt, no windows, not the windows'
# program), and the windows know nothing of the programs.
#   bash tools/layers.sh
set -euo pipefail
cd "$(dirname "$0")/.."

qt='^\s*#\s*include\s*[<"](Q[A-Za-z]|qt[0-9]*/)'
declare -A forbidden=(
    [src/core]="$qt|^\s*#\s*include\s*[<\"](gui|app)/"
    [src/app/cli]="$qt|^\s*#\s*include\s*[<\"](gui|app/qt)/"
    [src/gui]='^\s*#\s*include\s*[<"]app/'
)
status=0
for layer in "${!forbidden[@]}"; do
    if hits=$(git ls-files --cached --others --exclude-standard -- "$layer/*.cpp" "$layer/*.h" |
              xargs -r grep -n -E "${forbidden[$layer]}" --); then
        echo "includes across the layers in $layer:"
        echo "$hits"
        status=1
    fi
done
((status)) || echo "every include runs app -> gui -> core"
exit "$status"
