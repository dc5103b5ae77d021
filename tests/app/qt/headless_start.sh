#!/usr/bin/env bash
# rezhim started where it cannot show a window: --help and --version answer without a display,
# a start with no display at all says in one line how to start it headless, and fails, and on the
# offscreen platform SIGTERM ends it cleanly.
#   headless_start.sh PATH-TO-REZHIM
set -uo pipefail
rezhim=$1
source "$(dirname "$0")/quit.sh"
bare=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
fail() { echo "$1"; exit 1; }

help=$("${bare[@]}" "$rezhim" --help) || fail "--help failed"
grep -q -- '--version' <<<"$help" || fail "--help does not list --version: $help"
grep -q -- 'QT_QPA_PLATFORM=offscreen' <<<"$help" || fail "--help does not say how to start headless"
version=$("${bare[@]}" "$rezhim" --version) || fail "--version failed"
grep -qx 'rezhim [0-9.]*' <<<"$version" || fail "--version: $version"
grep -q 'GPL-3.0-or-later' <<<"$version" || fail "--version does not name the licence: $version"

message=$("${bare[@]}" timeout 10 "$rezhim" 2>&1) && fail "started without a display"
[[ $(wc -l <<<"$message") -eq 1 ]] || fail "more than one line without a display: $message"
grep -q 'QT_QPA_PLATFORM=offscreen' <<<"$message" || fail "no hint without a display: $message"
grep -q 'xvfb-run' <<<"$message" || fail "no hint without a display: $message"
# Asked to end, as a session that ends asks: SIGTERM is "ВЫХОД", and the program ends with 0.
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=offscreen "$rezhim" >/dev/null 2>&1 &
app=$!
asks_to_quit "$app" || { kill -KILL "$app"; fail "SIGTERM did not end it"; }
wait "$app" || fail "SIGTERM ended it with status $?"
echo "headless start ok"
