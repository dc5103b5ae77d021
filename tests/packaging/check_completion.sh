#!/usr/bin/env bash
# The bash completion of rezhim-cli, sourced as bash-completion sources it and asked as bash asks
# it: the commands, the operations, a key's values, the machines and the coefficient rows of the
# libraries.
#   check_completion.sh COMPLETION-FILE PATH-TO-REZHIM-CLI
set -uo pipefail
completion=$1
cli=$2
if [[ ! -f /usr/share/bash-completion/bash_completion ]]; then
    echo "bash-completion is not installed: bash tools/bootstrap.sh test installs it"
    exit 1
fi
source /usr/share/bash-completion/bash_completion
source "$completion"
compopt() { :; } # the builtin works only while bash itself completes
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# The completions of LINE (the cursor at its end), sorted, as bash splits it: at blanks, and
# with "=" a word of its own.
completes() {
    local line=$1 expected=$2 rest
    COMP_LINE=$line
    COMP_POINT=${#line}
    COMP_WORDS=()
    rest=$line
    while [[ $rest =~ ^[[:blank:]]*([^[:blank:]=]+|=+)(.*)$ ]]; do
        COMP_WORDS+=("${BASH_REMATCH[1]}")
        rest=${BASH_REMATCH[2]}
    done
    [[ $line == *[[:blank:]] ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _rezhim_cli "$cli" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd' ')
    if [[ $got != "$expected" ]]; then
        echo "\"$line\" completes to \"$got\", not \"$expected\""
        failures=$((failures + 1))
    fi
}

completes "$cli ca" "calc"
completes "$cli calc fa" "face-milling facing"
completes "$cli calc face-" "face-milling"
completes "$cli calc face-milling tool=" "carbide ceramics hss"
completes "$cli calc face-milling tool=c" "carbide ceramics"
completes "$cli limit drilling feed-unit=" "min rev"
completes "$cli limit drilling t=1 --vary " "s v"
completes "$cli sp" "speed"
completes "$cli speed drilling K" "K= Kg= Kiv= Kmv= Kpv="
completes "$cli speed drilling --r" "--row"
completes "$cli calc drilling K" ""
# The cutter's keys where the command's line names РЕЗЕЦ; batch reads them as columns.
completes "$cli calc turning s" "s= scheme= shank= sigma-max= speeds="
completes "$cli sweep turning t=1 R" "Rz-max="
completes "$cli sweep turning t=1 --j" "--json"
completes "$cli report turning in.csv --format csv ov" "overhang="
completes "$cli batch in.csv ov" ""

# The library of the windows, and one named with --machines.
mkdir -p "$work/config/rezhim"
cat >"$work/config/rezhim/machines.json" <<'JSON'
{
  "machines": [
    { "name": "16К20", "power": 10, "efficiency": 0.75 },
    { "name": "6Р12 с ЧПУ", "power": 7.5, "efficiency": 0.8 },
    { "name": "Станок \"А\"", "power": 5, "efficiency": 0.8 }
  ]
}
JSON
echo '{"machines": [{"name": "2Н135", "power": 4, "efficiency": 0.8}]}' >"$work/drills.json"
export XDG_CONFIG_HOME=$work/config
completes "$cli calc face-milling --machine 6" '6Р12\ с\ ЧПУ'
completes "$cli calc face-milling --machine " '16К20 6Р12\ с\ ЧПУ Станок\ \"А\"'
completes "$cli calc drilling --machines $work/drills.json --machine " "2Н135"

# The coefficient rows of cutting speed, of the windows' library and of one named with --data.
cat >"$work/config/rezhim/speeds.json" <<'JSON'
{"rows": [{"name": "Сверло Р6М5", "operations": ["drilling"], "tool": "hss", "work": "steel",
  "Cv": 7, "T": 45}, {"name": "Зенкер", "operations": ["core-drilling"], "tool": "hss",
  "work": "steel", "Cv": 16.3, "T": 30}]}
JSON
echo '{"rows": [{"name": "Развёртка 1", "operations": ["reaming"], "tool": "hss", "work": "steel", "Cv": 10.5, "T": 60}]}' >"$work/reamers.json"
completes "$cli speed drilling --row " 'Зенкер Сверло\ Р6М5'
completes "$cli speed reaming --data $work/reamers.json --row Р" 'Развёртка\ 1'
completes "$cli speed reaming --row Зенкер --data $work/rea" "$work/reamers.json"
((failures == 0)) || exit 1
echo "completion ok"
