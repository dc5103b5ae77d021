#!/usr/bin/env bash
# Builds the Debian package from a finished build folder and checks what it holds: the two
# programs, the menu entry, the icons and the licence and changelog, nothing else; the Qt libraries
# it needs, Qt's Wayland plugin recommended and a description that reads cleanly.
set -euo pipefail
build=$1
source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" > "$work/cpack.log"
package=$(ls "$work"/rezhim_*.deb)

dpkg-deb -c "$package" | awk '{print $6}' | grep -v '/$' | sort > "$work/files"
{
    echo ./usr/bin/rezhim
    echo ./usr/bin/rezhim-cli
    echo ./usr/share/applications/rezhim.desktop
    for size in 16 22 24 32 48 64 128 256; do
        echo "./usr/share/icons/hicolor/${size}x${size}/apps/rezhim.png"
    done
    echo ./usr/share/icons/hicolor/scalable/apps/rezhim.svg
    echo ./usr/share/doc/rezhim/copyright
    echo ./usr/share/doc/rezhim/changelog.gz
    for folder in man1 ru/man1; do
        echo "./usr/share/man/$folder/rezhim.1.gz"
        echo "./usr/share/man/$folder/rezhim-cli.1.gz"
    done
} | sort > "$work/expected"
diff -u "$work/expected" "$work/files"

depends=$(dpkg-deb -f "$package" Depends)
for library in libqt6widgets6 libqt6svgwidgets6 libqt6printsupport6 qt6-translations-l10n \
    fonts-dejavu-core; do
    grep -q "$library" <<< "$depends" || { echo "Depends lacks $library: $depends"; exit 1; }
done

[[ $(dpkg-deb -f "$package" Recommends) == qt6-wayland ]] || { echo "Recommends no qt6-wayland"; exit 1; }
# A CMake list in the description would start its lines with ";".
if dpkg-deb -f "$package" Description | grep -n '^ ;'; then
    echo "Description lines start with ';'"
    exit 1
fi
# The changelog is the package's: its newest entry is this version.
dpkg-deb --fsys-tarfile "$package" | tar -xO ./usr/share/doc/rezhim/changelog.gz | zcat | head -1 |
    grep -q "^rezhim ($(dpkg-deb -f "$package" Version))" ||
    { echo "changelog.gz does not start with this version"; exit 1; }

# Debian's own checks: no error and no warning. Infos (the hardening flags a Debian source build
# would add) are not failures.
tags=$(lintian --fail-on error,warning "$package" 2>&1) || { echo "lintian: $tags"; exit 1; }

desktop-file-validate "$source_dir/packaging/rezhim.desktop"
grep -qx 'Name\[ru\]=Режимы резания' "$source_dir/packaging/rezhim.desktop"
echo "package ok: $(basename "$package")"
