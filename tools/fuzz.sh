#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time on a scratch copy of
# its seed corpus; a crash, a sanitizer report or a hang fails, leaving its input in build-fuzz/.
#   bash tools/fuzz.sh [SECONDS-PER-TARGET]
set -euo pipefail
seconds=${1:-20}
cd "$(dirname "$0")/.."

cmake --preset fuzz -DREZHIM_WERROR=ON >/dev/null
read -r -a targets <<< "$(sed -n 's/^set(FUZZ_TARGETS \(.*\))$/\1/p' fuzz/CMakeLists.txt)"
for target in "${targets[@]}"; do
    cmake --build build-fuzz --target "fuzz_$target"
done
# Whole-file targets get inputs past libFuzzer's 4096 bytes; the others keep its own guess.
read -r -a long <<< "$(sed -n 's/^set(FUZZ_LONG_INPUTS \(.*\))$/\1/p' fuzz/CMakeLists.txt)"
for target in "${targets[@]}"; do
    scratch=$(mktemp -d)
    length=()
    if [[ " ${long[*]} " == *" $target "* ]]; then
        length=(-max_len=65536)
    fi
    echo "Fuzzing $target for $seconds s"
    status=0
    build-fuzz/fuzz/"fuzz_$target" -max_total_time="$seconds" "${length[@]}" -timeout=5 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/fuzz_$target-" "$scratch" \
        "fuzz/corpus/$target" \
        >"build-fuzz/fuzz_$target.log" 2>&1 || status=$?
    grep -E '^(stat::number_of_executed_units|==[0-9]+==|SUMMARY)' "build-fuzz/fuzz_$target.log" || true
    rm -rf "$scratch"
    if [[ $status -ne 0 ]]; then
        echo "fuzz_$target failed; its input is in build-fuzz/"
        exit 1
    fi
done
