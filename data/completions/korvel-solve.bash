# bash completion for korvel-solve: options, output formats, load names, files.

_korvel_solve() {
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=${COMP_WORDS[COMP_CWORD-1]}
    local options='--span --pitch --load --format --envelope --combination --design --virtual-work --batch --jobs --numbers --max-line-bytes --working --all-digits --help --version'
    # Every load component the main window takes: NODE.V at L0..L6 and U1..U7,
    # NODE.H at L0, L6 and U1..U7.
    local loads='L0.H= L0.V= L1.V= L2.V= L3.V= L4.V= L5.V= L6.H= L6.V=
                 U1.H= U1.V= U2.H= U2.V= U3.H= U3.V= U4.H= U4.V= U5.H= U5.V= U6.H= U6.V= U7.H= U7.V='

    case $prev in
        --format)
            mapfile -t COMPREPLY < <(compgen -W 'table csv json' -- "$cur")
            return ;;
        --load)
            mapfile -t COMPREPLY < <(compgen -W "$loads" -- "$cur")
            compopt -o nospace 2>/dev/null || :  # outside a completion there is nothing to set
            return ;;
        --virtual-work)
            # Where a deflection is worked out: every node that takes a load, and the roller's spread.
            mapfile -t COMPREPLY < <(compgen -W 'L0 L1 L2 L3 L4 L5 L6 L6.H U1 U2 U3 U4 U5 U6 U7' -- "$cur")
            return ;;
        --pitch)
            mapfile -t COMPREPLY < <(compgen -W '15 22.5 30 35 40 4:12 6:12 8:12' -- "$cur")
            return ;;
        --span|--jobs|--max-line-bytes|--combination)
            return ;;
    esac
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
        return
    fi
    mapfile -t COMPREPLY < <(compgen -f -- "$cur")
}

complete -o filenames -F _korvel_solve korvel-solve
