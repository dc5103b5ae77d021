#!/usr/bin/env bash
# Puts the licence's SPDX line first in every C++ source file whose first line it is not, new and
# merged files included; with --check it only names those files, and fails if there are any.
#   bash tools/spdx.sh [--check]
set -euo pipefail
cd "$(dirname "$0")/.."
line='// SPDX-License-Identifier: GPL-3.0-or-later'

missing=()
while IFS= read -r -d '' file; do
    [[ -f $file ]] || continue # tracked, but deleted in the work tree
    first=
    IFS= read -r first <"$file" || true
    [[ $first == "$line" ]] || missing+=("$file")
done < <(git ls-files -z --cached --others --exclude-standard '*.cpp' '*.h')

if [[ ${1:-} == --check ]]; then
    if ((${#missing[@]})); then
        printf 'no SPDX line first: %s\n' "${missing[@]}"
        echo "bash tools/spdx.sh adds it"
        exit 1
    fi
    echo "every source file starts with its SPDX line"
    exit 0
fi
for file in "${missing[@]}"; do
    text=$(cat "$file"; echo .) # keeps the file's last newlines
    printf '%s\n%s' "$line" "${text%.}" >"$file"
done
echo "SPDX line added to ${#missing[@]} files"
