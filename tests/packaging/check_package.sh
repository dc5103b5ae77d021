#!/usr/bin/env bash
# Builds the Debian package from a finished build folder and checks what it holds: the two
# programs, the menu entry, the icons, the AppStream metadata, the manual pages, the bash
# completion, the licence and the changelog, nothing else; the Qt libraries it needs, Qt's
# Wayland plugin recommended, a description that reads cleanly, one version and day throughout,
# and Debian's and AppStream's own checks passed.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" > "$work/cpack.log"
package=$(ls "$work"/rezhim_*.deb)

dpkg-deb -c "$package" | awk '{print $6}' | grep -v '/$' | sort > "$work/files"
{
    echo ./usr/bin/rezhim
    echo ./usr/bin/rezhim-cli
    echo ./usr/share/applications/io.github.rezhim.rezhim.desktop
    echo ./usr/share/metainfo/io.github.rezhim.rezhim.metainfo.xml
    for size in 16 22 24 32 48 64 128 256; do
        echo "./usr/share/icons/hicolor/${size}x${size}/apps/rezhim.png"
    done
    echo ./usr/share/icons/hicolor/scalable/apps/rezhim.svg
    echo ./usr/share/doc/rezhim/copyright
    echo ./usr/share/doc/rezhim/changelog.gz
    echo ./usr/share/bash-completion/completions/rezhim-cli
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
root=$work/root
dpkg-deb -x "$package" "$root"
# The newest entries of the changelog and of the AppStream releases are this version, of the day
# the manual pages carry.
version=$(dpkg-deb -f "$package" Version)
entry=$(zcat "$root/usr/share/doc/rezhim/changelog.gz" | head -1)
[[ $entry == "rezhim ($version) "* ]] || { echo "changelog.gz starts with $entry"; exit 1; }
day=$(date -u -d "$(zcat "$root/usr/share/doc/rezhim/changelog.gz" | sed -n 's/^ -- .*>  //p' | head -1)" +%F)
metainfo=$root/usr/share/metainfo/io.github.rezhim.rezhim.metainfo.xml
release=$(grep -o '<release [^>]*>' "$metainfo" | head -1)
[[ $release == "<release version=\"$version\" date=\"$day\">" ]] ||
    { echo "AppStream release $release, changelog $version of $day"; exit 1; }
for page in "$root"/usr/share/man/*/rezhim*.1.gz "$root"/usr/share/man/*/*/rezhim*.1.gz; do
    zcat "$page" | grep -q "^\.TH .* \"$day\" \"rezhim $version\"" || { echo "$page is not of $day"; exit 1; }
done

# Debian's own checks: no error and no warning. Infos (the hardening flags a Debian source build
# would add) are not failures.
tags=$(lintian --fail-on error,warning "$package" 2>&1) || { echo "lintian: $tags"; exit 1; }

# What software centres read: the AppStream metadata and the menu entry, each valid, and naming
# each other in the installed tree.
desktop=$root/usr/share/applications/io.github.rezhim.rezhim.desktop
desktop-file-validate "$desktop"
grep -qx 'Name\[ru\]=Режимы резания' "$desktop"
appstreamcli validate --no-net "$metainfo"
appstreamcli validate-tree --no-net "$root"
echo "package ok: $(basename "$package")"
