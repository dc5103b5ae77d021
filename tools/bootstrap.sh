#!/usr/bin/env bash
# Sets rezhim up on a Debian machine (as root) and then starts it or runs every test.
#   bash tools/bootstrap.sh run    install what is missing, build, start rezhim
#   bash tools/bootstrap.sh test   install what is missing, build, run every test through CTest
set -euo pipefail

mode=${1:-}
if [[ "$mode" != run && "$mode" != test ]]; then
    echo "usage: bash tools/bootstrap.sh run|test" >&2
    exit 2
fi
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ clang-format qt6-base-dev qt6-svg-dev libgtest-dev
          libgl-dev fonts-dejavu-core)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

build=build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build"

if [[ "$mode" == run ]]; then
    exec "$build/src/rezhim"
fi

# Every source file keeps the project's format.
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
