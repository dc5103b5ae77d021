#!/usr/bin/env bash
# Sets rezhim up on a Debian machine (as root) and then starts it or runs every test.
#   bash tools/bootstrap.sh run    install what is missing, build, start rezhim
#   bash tools/bootstrap.sh test   install what is missing, build, run every test through CTest,
#                                  again under AddressSanitizer and UBSan, then fuzz each parser
set -euo pipefail

mode=${1:-}
if [[ "$mode" != run && "$mode" != test ]]; then
    echo "usage: bash tools/bootstrap.sh run|test" >&2
    exit 2
fi
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ clang-format qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev libgtest-dev
          libgl-dev fonts-dejavu-core libbenchmark-dev nlohmann-json3-dev
          # the users' desktop: Russian locale and Qt's own texts in Russian
          locales qt6-translations-l10n
          # tests: sanitizers and fuzzing (clang), the real X server, the Debian package
          clang libclang-rt-14-dev xvfb xdotool dpkg-dev desktop-file-utils
          # tests: Debian's and AppStream's checks of the package, the manual pages rendered
          lintian appstream man-db
          # tests: the completion of rezhim-cli, sourced as bash-completion sources it
          bash-completion
          # tests: the program on a Wayland compositor, through Qt's Wayland plugin
          weston qt6-wayland
          # tests: the exported PDF read back as text
          poppler-utils)
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

# The program is used under ru_RU.UTF-8; en_US.UTF-8 is the tests' point-locale control. A locale
# that is not generated silently falls back to C, so generate both where they are missing.
generated=$(locale -a)
wanted=()
for name in ru_RU en_US; do
    grep -qix "$name.utf-\?8" <<<"$generated" || wanted+=("$name")
done
if ((${#wanted[@]})); then
    for name in "${wanted[@]}"; do
        echo "Generating locale $name.UTF-8"
        sed -i "s/^# *\($name.UTF-8 UTF-8\)/\1/" /etc/locale.gen
        grep -qx "$name.UTF-8 UTF-8" /etc/locale.gen || echo "$name.UTF-8 UTF-8" >>/etc/locale.gen
    done
    locale-gen
fi

# The builds are the presets of CMakePresets.json; the tests build with warnings as errors.
werror=()
[[ "$mode" == test ]] && werror=(-DREZHIM_WERROR=ON)
build=build
cmake --preset default "${werror[@]}"
cmake --build "$build"

if [[ "$mode" == run ]]; then
    exec "$build/rezhim"
fi

# Every source file keeps the project's format.
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
ctest --preset default -j "$(nproc)"

# The whole suite once more under AddressSanitizer and UndefinedBehaviorSanitizer: any report
# ends its test with a failure. (The package, the real X server and the Wayland compositor are
# checked above; Qt's Wayland plugin leaves libwayland-client's memory to the exit.)
cmake --preset asan "${werror[@]}"
cmake --build build-asan
ctest --preset asan -j "$(nproc)"

# Every parser of outside input under libFuzzer, about a minute in all.
bash tools/fuzz.sh 20
