# Bash completion of vestra-cli: its commands, their options and the files they take.
_vestra_cli() {
    local cur prev words cword
    _init_completion -s || return

    local global="--unit --trace --quiet --help --version"
    local commands="convert import clock settings clear reset ports chart history"
    case $prev in
    --unit) COMPREPLY=($(compgen -W "C F" -- "$cur")); return ;;
    --format) COMPREPLY=($(compgen -W "csv txt qmc qmf pdf json" -- "$cur")); return ;;
    --encoding) COMPREPLY=($(compgen -W "cp932 utf-8" -- "$cur")); return ;;
    --paper) COMPREPLY=($(compgen -W "a4 letter" -- "$cur")); return ;;
    --port) COMPREPLY=($(compgen -f -- "${cur:-/dev/tty}")); return ;;
    --trace | --send | --db) _filedir; return ;;
    --set | --width | --height | --tag) return ;;
    esac
    [[ $cur == -* && $cur == *=* ]] && return

    local command="" word
    for word in "${words[@]:1:cword-1}"; do
        [[ " $commands " == *" $word "* ]] && command=$word && break
    done
    local options
    case $command in
    ports) options="--json --header" ;;
    convert) options="--format --paper --encoding" ;;
    import) options="--port --format --paper --encoding --json" ;;
    clock) options="--port --set --json --header" ;;
    settings) options="--port --send --json" ;;
    clear | reset) options="--port" ;;
    chart) options="--width --height" ;;
    history) options="--db --tag --format --encoding --json --header" ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$global $options" -- "$cur"))
    elif [[ -z $command ]]; then
        COMPREPLY=($(compgen -W "$commands" -- "$cur"))
    elif [[ $command == history && $prev == history ]]; then
        COMPREPLY=($(compgen -W "add tags export chart" -- "$cur"))
    else
        _filedir
    fi
} && complete -F _vestra_cli vestra-cli
