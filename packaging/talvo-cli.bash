# bash completion for talvo-cli. Commands and options are taken from talvo-cli's own --help,
# so the completion knows every command the installed program has.
_talvo_cli() {
    local cur prev words cword
    _init_completion || return

    local tool=${words[0]}
    if [[ $cword -eq 1 ]]; then
        local commands
        commands=$("$tool" --help 2>/dev/null |
            awk '/^commands:/ {on = 1; next} on && /^  [a-z]/ {print $1} on && /^$/ {exit}')
        COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
        return
    fi

    local command=${words[1]}
    case $prev in
        --port)
            COMPREPLY=($(compgen -W "$(seq 1 16)" -- "$cur"))
            return
            ;;
        --device)
            COMPREPLY=($(compgen -f -- "${cur:-/dev/tty}"))
            return
            ;;
        --lang)
            local languages
            languages=$("$tool" --help 2>/dev/null | sed -n 's/^languages (--lang): //p')
            COMPREPLY=($(compgen -W "${languages:-en zh}" -- "$cur"))
            return
            ;;
        --pdf)
            _filedir pdf
            return
            ;;
        --out | --backup | --into)
            _filedir dat
            return
            ;;
    esac
    if [[ $cur == -* ]]; then
        local options
        options=$("$tool" "$command" --help 2>/dev/null | grep -oE -- '--[a-z][a-z-]*' | sort -u)
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    _filedir '@(dat|DAT|csv|CSV)'
}
complete -F _talvo_cli talvo-cli
