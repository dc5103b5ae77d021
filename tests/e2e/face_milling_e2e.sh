#!/usr/bin/env bash
# The face-milling worked example done by a person at a keyboard, on a real X server: open the
# window with the menu's Alt letters, type the cutting data, answer the material questions,
# compute with Enter, save with Ctrl+S, then check the saved report byte for byte. Every key
# goes through the X server (xdotool), none through the program's own functions. Under a Russian
# locale the person types the feed with a decimal comma and the report holds decimal commas.
#   face_milling_e2e.sh PATH-TO-REZHIM LOCALE
set -euo pipefail
rezhim=$(realpath "$1")
locale=$2
if [[ $(LC_ALL=$locale locale decimal_point 2>/dev/null) == , ]]; then
    point=,
elif [[ $locale == ru_* ]]; then
    echo "the locale $locale is not generated here: bash tools/bootstrap.sh test generates it"
    exit 1
else
    point=.
fi
work=$(mktemp -d)
# Xvfb picks a free display itself and writes its number, so two runs can go side by side.
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
app=
cleanup() {
    [[ -n "$app" ]] && kill "$app" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$work/display")"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
mkdir "$work/home" "$work/tmp"
cd "$work/home"
# Settings and machines of its own: the user's are neither read nor written. Its temporary files
# go to a folder of its own, where the report's working file can be looked for.
XDG_CONFIG_HOME="$work/config" TMPDIR="$work/tmp" LC_ALL=$locale LANG=$locale \
    QT_QPA_PLATFORM=xcb "$rezhim" >"$work/rezhim.log" 2>&1 &
app=$!
# Qt makes X windows of the class before it maps the main window; only a shown one takes the focus.
main=$(timeout 20 xdotool search --sync --onlyvisible --class rezhim | head -n 1)

# No window manager gives the focus back when a dialog closes; do what it would. A window only
# just mapped may still refuse the focus (BadMatch) on a loaded machine: try again.
focus() {
    for _ in $(seq 50); do
        xdotool windowfocus --sync "$main" 2>/dev/null && { sleep 0.3; return; }
        sleep 0.1
    done
    echo "the main window does not take the focus"
    exit 1
}
# Waits until the program shows this many top-level windows: 2 while a question, a message or the
# save dialog stands over the main window.
windows() {
    for _ in $(seq 100); do
        [[ $(xdotool search --onlyvisible --class rezhim | wc -l) -eq $1 ]] && { sleep 0.3; return; }
        sleep 0.1
    done
    echo "expected $1 windows of the program"
    exit 1
}
keys() { xdotool key --delay 150 "$@"; sleep 0.4; }
typed() { xdotool type --delay 40 "$1"; }

focus
keys alt+Cyrillic_VE Cyrillic_EF Cyrillic_TE # ВЫБОР ОПЕРАЦИИ / ФРЕЗЕРОВАНИЕ / ТОРЦОВЫМИ
for value in 100 10 50 2 "0${point}1" 100; do # D, z, B, t, s, v as the cursor moves down
    typed "$value"
    keys Tab
done
keys shift+Tab Return                       # back to the speed box: compute
windows 2                                   # which work material? 1 - steel
typed 1
keys Return
windows 2                                   # which tool material? 2 - carbide
typed 2
keys Return
windows 2                                   # the strength is missing: OK, then type it
keys Return
windows 1
focus
typed 750
keys Return ctrl+s
windows 2                                   # the save dialog, the cursor in its name box
typed report.txt
keys Return
windows 1

expected=$(printf '%s\r\n' \
    'Фрезерование торцовыми фрезами' \
    'номеринстр-тзаг-каs, мм/зубv, м/минt, ммD фр, ммВ фр, ммZ фрPz, HPy, HPx, HM, HмN, кВтn, об/мин' \
    "1ТCсталь0${point}1100210050101720${point}8688${point}3860${point}486${point}0412${point}812318" |
    iconv -f UTF-8 -t CP1251 | od -An -tx1)
actual=$(od -An -tx1 report.txt)
if [[ "$actual" != "$expected" ]]; then
    echo "the saved report differs:"
    iconv -f CP1251 -t UTF-8 report.txt | cat -A
    exit 1
fi
[[ $(ls -A) == report.txt ]] || { echo "more than the report in the current folder"; exit 1; }
if compgen -G "$work/tmp/rezhim-report-*" >/dev/null; then
    echo "the working file was left behind"
    exit 1
fi

focus
keys alt+Cyrillic_YERU                        # ВЫХОД
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then
    echo "the program did not close"
    exit 1
fi
app=
echo "saved report matches; the program closed"
