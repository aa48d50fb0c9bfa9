#!/bin/bash
# Installs the bash completion of korvel-solve from a build tree into a scratch
# prefix and checks what it completes: options, formats and load names.
# Usage: check_completion.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail

build=$1
prefix=$2/prefix
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" --component korvel_solve_completion >/dev/null

file=$prefix/share/bash-completion/completions/korvel-solve
[[ -f $file ]] || { echo "not installed: $file"; exit 1; }
source "$file"

failures=0
# completes WORDS... EXPECTED: the completions offered for the last word.
completes() {
    local expected=${*: -1}
    COMP_WORDS=("${@:1:$#-1}")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _korvel_solve || true
    local got="${COMPREPLY[*]}"
    if [[ $got != "$expected" ]]; then
        echo "FAIL: korvel-solve ${COMP_WORDS[*]:1} -> '$got', expected '$expected'"
        failures=$((failures + 1))
    fi
}

completes korvel-solve --f '--format'
completes korvel-solve --b '--batch'
completes korvel-solve --e '--envelope'
completes korvel-solve --c '--combination'
completes korvel-solve --d '--design'
completes korvel-solve --combination '' ''
completes korvel-solve --n '--numbers'
completes korvel-solve --a '--all-digits'
completes korvel-solve --w '--working'
completes korvel-solve --m '--max-line-bytes'
completes korvel-solve --format '' 'table csv json'
completes korvel-solve --format c 'csv'
completes korvel-solve --virtual-work L6 'L6 L6.H'
completes korvel-solve --load U4 'U4.H= U4.V='
completes korvel-solve --load L3 'L3.V='
completes korvel-solve --load U8 ''
completes korvel-solve --span '' ''
complete -p korvel-solve | grep -q _korvel_solve || { echo "FAIL: not registered for korvel-solve"; failures=$((failures + 1)); }

loads=$(COMP_WORDS=(korvel-solve --load ''); COMP_CWORD=2; _korvel_solve || true; echo "${#COMPREPLY[@]}")
[[ $loads == 23 ]] || { echo "FAIL: $loads load names, expected 23"; failures=$((failures + 1)); }

exit $((failures > 0))
