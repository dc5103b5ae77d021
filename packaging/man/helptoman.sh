#!/usr/bin/env bash
# Fills a manual page from the text of `rezhim-cli --help`, so that the page lists exactly what
# the program says of itself.
#   rezhim-cli --help | bash helptoman.sh PAGE > OUTPUT
# PAGE is man(7) source; its lines `.\" help: name`, `.\" help: synopsis` and `.\" help: sections`
# become the help's first line, its command lines and its sections. Every other line is copied.
#
# The help's layout is its grammar:
#   the first line, "PROGRAM — summary"     the name;
#   a line at column 0, "Heading ...:"      a section, titled with its first words in capitals;
#   "  TAG  text"                           an entry of the section;
#   deeper lines                            the entry's text, which starts at the section's text
#                                           column (its least indent above 2); a line there that
#                                           begins "-OPTION  text" is an option of the entry.
# TAG ends at two spaces, or at the text column when a space precedes it ("efficiency=ЧИСЛО КПД").
set -euo pipefail
export LC_ALL=C.UTF-8 # character columns, and capitals of Cyrillic headings

page=$1
mapfile -t help
help=("${help[@]%$'\r'}")

# Text for roff: a backslash printed as such, "-" as the ASCII one typed in a shell, no line
# taken for a request.
roff() {
    local text=${1//\\/\\e}
    text=${text//-/\\-}
    [[ $text == [.\']* ]] && text="\\&$text"
    printf '%s\n' "$text"
}

# A tag in bold, its Cyrillic words (ОПЕРАЦИЯ, ключ=значение) in italics: what the user replaces.
tag() {
    local text
    text=$(roff "$1")
    text=$(sed -E 's/[^ -~]+/\\fI&\\fB/g' <<<"$text") # C.UTF-8 has no ranges of Cyrillic
    printf '\\fB%s\\fR\n' "$text"
}

indentOf() {
    local stripped=${1#"${1%%[! ]*}"}
    echo $((${#1} - ${#stripped}))
}

# Splits "  TAG  text" at two spaces or at the text column; sets entryTag and entryText.
splitEntry() {
    local line=$1 column=$2 body=${1:$3} at=${#1}
    local gap=${body%%"  "*}
    if [[ $gap != "$body" ]]; then
        at=$(($3 + ${#gap}))
    fi
    if ((column > 0 && column < at && column < ${#line})) && [[ ${line:column-1:1} == " " ]]; then
        at=$column
    fi
    entryTag=${line:$3:at-$3}
    entryTag=${entryTag%"${entryTag##*[! ]}"}
    entryText=${line:at}
    entryText=${entryText#"${entryText%%[! ]*}"}
    # Further columns (an operation's title, then its keys) read as "title — keys".
    while [[ $entryText =~ ^(.*[^ ])\ \ +(.*)$ ]]; do
        entryText="${BASH_REMATCH[1]} — ${BASH_REMATCH[2]}"
    done
}

name() {
    local program=${help[0]%% — *}
    printf '%s \\- %s\n' "$(roff "$program")" "$(roff "${help[0]#* — }")"
}

# The program's command lines, as the first section's entries give them.
synopsis() {
    local program=${help[0]%% — *} line first=1
    for line in "${help[@]}"; do
        if [[ $line == "  $program "* ]]; then
            splitEntry "$line" 0 2
            ((first)) || echo .br
            first=0
            tag "$entryTag"
        fi
    done
}

# The least indent above 2 of the section's lines from index $1: where its text starts.
textColumn() {
    local i least=0 indent
    for ((i = $1; i < ${#help[@]}; i++)); do
        [[ -z ${help[i]} || ${help[i]} != " "* ]] && break
        indent=$(indentOf "${help[i]}")
        if ((indent > 2 && (least == 0 || indent < least))); then
            least=$indent
        fi
    done
    echo "$least"
}

sections() {
    local i line indent column=0 nested=0 heading title
    for ((i = 1; i < ${#help[@]}; i++)); do
        line=${help[i]}
        [[ -z $line ]] && continue
        indent=$(indentOf "$line")
        if ((indent == 0)); then
            ((nested)) && echo .RE
            nested=0
            heading=${line%:}
            title=${heading%%[(:—]*}
            title=${title%"${title##*[! ]}"}
            printf '.SH "%s"\n' "${title^^}"
            [[ $title != "$heading" ]] && echo .PP && roff "$line"
            column=$(textColumn $((i + 1)))
        elif ((indent == 2)); then
            ((nested)) && echo .RE
            nested=0
            splitEntry "$line" "$column" 2
            echo .TP
            tag "$entryTag"
            [[ -n $entryText ]] && roff "$entryText"
        elif ((indent == column)) && [[ ${line:indent} =~ ^-[^\ ]*(\ [^\ -][^\ ]*)?\ \  ]]; then
            ((nested)) || echo .RS
            nested=1
            splitEntry "$line" 0 "$indent"
            echo .TP
            tag "$entryTag"
            roff "$entryText"
        else
            if ((nested && indent == column)); then
                echo .RE
                echo .IP
                nested=0
            fi
            roff "${line:indent}"
        fi
    done
    ((nested)) && echo .RE
    return 0
}

while IFS= read -r line || [[ -n $line ]]; do
    case $line in
    '.\" help: name') name ;;
    '.\" help: synopsis') synopsis ;;
    '.\" help: sections') sections ;;
    *) printf '%s\n' "$line" ;;
    esac
done <"$page"
