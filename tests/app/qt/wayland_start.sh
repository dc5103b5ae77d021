#!/usr/bin/env bash
# rezhim on a Wayland desktop, natively through Qt's Wayland plugin: under a headless weston it
# starts, runs for a few seconds without printing a warning, and quits cleanly when asked
# (SIGTERM, as "ВЫХОД"). Skipped (exit code 77) where weston is not installed.
#   wayland_start.sh PATH-TO-REZHIM
set -uo pipefail
rezhim=$1
source "$(dirname "$0")/quit.sh"
if ! command -v weston >/dev/null; then
    echo "SKIPPED: weston is not installed (bash tools/bootstrap.sh test installs it)"
    exit 77
fi
work=$(mktemp -d)
weston=
app=
cleanup() {
    [[ -n $app ]] && kill -KILL "$app" 2>/dev/null
    [[ -n $weston ]] && kill "$weston" 2>/dev/null && wait "$weston"
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "$1"
    echo "--- weston:"
    cat "$work/weston.log"
    exit 1
}

# The compositor's socket in a runtime folder of this test's own, so runs side by side agree.
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --socket=wayland-rezhim --idle-time=0 \
    >"$work/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do
    [[ -S $XDG_RUNTIME_DIR/wayland-rezhim ]] && break
    kill -0 "$weston" 2>/dev/null || fail "weston did not start"
    sleep 0.1
done
[[ -S $XDG_RUNTIME_DIR/wayland-rezhim ]] || fail "weston opened no socket"

WAYLAND_DISPLAY=wayland-rezhim QT_QPA_PLATFORM=wayland "$rezhim" >"$work/rezhim.log" 2>&1 &
app=$!
sleep 3
kill -0 "$app" 2>/dev/null || fail "rezhim ended by itself: $(cat "$work/rezhim.log")"
asks_to_quit "$app" || fail "rezhim did not end on SIGTERM"
wait "$app"
status=$?
app=
((status == 0)) || fail "rezhim ended with status $status: $(cat "$work/rezhim.log")"
[[ ! -s $work/rezhim.log ]] || fail "rezhim printed: $(cat "$work/rezhim.log")"
echo "wayland start ok"
