#!/usr/bin/env bash
# The manual pages as they are installed: each renders with man(1) without a warning; the pages
# of rezhim-cli, Russian and English, name every command, option, operation, key (with its
# values) and exit code that `rezhim-cli --help` lists, and the pages of rezhim every option of
# `rezhim --help`; every page names the machine library and the settings.
#   check_manual_pages.sh BUILD-DIR PATH-TO-REZHIM-CLI PATH-TO-REZHIM
set -uo pipefail
build=$1
cli=$2
gui=$3
export LC_ALL=C.UTF-8 MANWIDTH=80
failures=0
fail() {
    echo "$1"
    failures=$((failures + 1))
}

# The page's text with the fonts and escapes taken out, as a reader would type it.
plain() {
    zcat "$1" | sed -E -e 's/\\f[BIRP]//g' -e 's/\\-/-/g' -e 's/\\\(em/—/g' -e 's/\\&//g' \
        -e 's/\\e/\\/g' -e 's/^\.(B|I|BR|IR) //'
}

# PATTERN at the start of a word of the text: not the end of a longer key ("t=" in "feed-unit=").
names() { grep -qE -- "(^|[^A-Za-z-])$2" <<<"$1"; }

help=$("$cli" --help) || fail "rezhim-cli --help failed"
words=$({
    grep -oE '^  rezhim-cli [a-z-]+' <<<"$help" | cut -d' ' -f4
    grep -oE '(^|[ [(])--?[a-z][a-z-]*' <<<"$help" | sed 's/^[ [(]//'
    grep -oE '^  [a-z]+(-[a-z]+)*  ' <<<"$help"
    # A key with named values stands with them all (tool=hss|carbide|ceramics), else as "key=".
    grep -oE '(^|[ "])[A-Za-z][A-Za-z-]*=[^ ]*' <<<"$help" | sed -E 's/^[ "]//; s/=([^|]*|.*[^a-z|-].*)$/=/'
} | sort -u)
codes=$(grep -oE '^  [0-9]  ' <<<"$help")
((${#words} > 0)) && [[ -n $codes ]] || fail "nothing read from rezhim-cli --help"
guiOptions=$("$gui" --help | grep -oE -- '--[a-z-]+') || fail "rezhim --help lists no option"

for language in en ru; do
    for program in rezhim rezhim-cli; do
        page=$build/packaging/man/$language/$program.1.gz
        warnings=$(MANROFFSEQ='' man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
        [[ -z $warnings ]] || fail "$page: $warnings"
        man -l "$page" 2>/dev/null | grep -qE "^ +$program - " || fail "$page: no NAME line"
        text=$(plain "$page")
        for file in machines.json rezhim.conf; do
            names "$text" "$file" || fail "$page does not name $file"
        done
        if [[ $program == rezhim ]]; then
            for option in $guiOptions; do
                names "$text" "$option" || fail "$page lacks $option"
            done
            continue
        fi
        for word in $words; do
            pattern=${word//|/\\|}
            [[ $word == *= ]] || pattern+='([^A-Za-z-]|$)'
            names "$text" "$pattern" || fail "$page lacks $word"
        done
        for code in $codes; do
            grep -qx "$code" <<<"$text" || fail "$page lacks the exit code $code"
        done
    done
done
((failures == 0)) || exit 1
echo "manual pages ok"
