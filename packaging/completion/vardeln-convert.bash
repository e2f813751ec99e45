# Vardeln — MIT licence, see LICENSE.
# bash completion for vardeln-convert: its options, the category names, and the unit labels
# of the category already typed, then the names people write for those units (every
# category's where a number first leaves the category out). The names come from the program
# itself (--list), so they are always the engine's own lists.

# What the word being completed stands for, from the words before it: "option", "category",
# "value", "unit" or nothing; and the category typed. Options may stand anywhere until "--",
# a number is never an option, and where VALUE stands any other text is the value, as the
# program reads its arguments.
_vardeln_convert_options=(--all --decimal-mark= --decimals= --digits= --exact --explain
                         --fraction={2,4,8,16,32,64} --group-mark= --grouping= --json --list
                         --locale --notation= --today -h --help --version)
# The values of the options that take one from a list ("--fraction=" offers its own above).
_vardeln_convert_choices=(--decimal-mark={.,\,} --group-mark={\,,.,\',thin,narrow}
                         --grouping={none,thousands,indian} --notation={general,scientific,engineering})

_vardeln_convert_wanted() {
    local options_ended="" listing="" all="" word
    local -a operands=()
    for word in "${words[@]:1:cword-1}"; do
        if [[ -z $options_ended && $word == -?* ]] && ! _vardeln_convert_is_number "$word"; then
            case $word in
                --) options_ended=1 ;;
                --list) listing=1 ;;
                --all) all=1 ;;
                *)
                    # Where VALUE stands, text that is none of the program's options is the value.
                    if ! _vardeln_convert_is_option "$word" && ((${#operands[@]} == 1)); then
                        operands+=("$word")
                    fi
                    ;;
            esac
        else
            operands+=("$word")
        fi
    done
    category=${operands[0]-}
    # A value first leaves the category out ("5 ft m"): the operands then count from VALUE.
    local given=${#operands[@]}
    if ((given > 0)) && { _vardeln_convert_is_number "$category" || [[ $category == - ]]; }; then
        category=""
        ((given++))
    fi
    wanted=""
    if [[ -z $options_ended && $cur == -* ]] && ! _vardeln_convert_is_number "$cur"; then
        wanted=option
    elif ((given == 0)); then
        wanted=category
    elif [[ -n $listing ]]; then
        wanted=""
    elif ((given == 1)); then
        wanted=value
    elif ((given == 2)) || [[ $given == 3 && -z $all ]]; then
        wanted=unit
    fi
}

_vardeln_convert_is_option() {
    [[ " ${_vardeln_convert_options[*]} " == *" $1 "* || " ${_vardeln_convert_options[*]} " == *" ${1%%=*}= "* ]]
}

# A number in any style starts as one: a digit, after a sign or a decimal mark ("1,5",
# "1,50,000", "2.5 lakh" in its quotes).
_vardeln_convert_is_number() {
    local start='^["'\'']?[[:space:]]*[+-]?[.,]?[0-9]'
    [[ $1 =~ $start ]]
}

# The unit labels of the category typed, then the names people write for them (those with
# a quote or a backslash are marks, typed as they are), from the program's --list --json.
_vardeln_convert_units() {
    local -a categories=("$category")
    [[ -n $category ]] || mapfile -t categories < <("${words[0]}" --list 2>/dev/null)
    local each
    for each in "${categories[@]}"; do "${words[0]}" --list -- "$each"; done 2>/dev/null
    for each in "${categories[@]}"; do "${words[0]}" --list --json -- "$each"; done 2>/dev/null |
        sed -n 's/.*"names":\["\([^]]*\)"\].*/\1/p' | sed 's/","/\n/g' | grep -v '["\\]'
}

# Offers the names that start with what was typed in any case, as the program matches them
# ("c" offers "Celsius", whatever readline's completion-ignore-case). In an open quote they
# are given as they are (the shell closes the quote); otherwise blanks are escaped, so that a
# label such as "Dynes / cm Square" stays one argument.
_vardeln_convert_offer() {
    local name typed=$cur quote=""
    if [[ $cur == [\"\']* ]]; then
        quote=${cur:0:1}
        typed=${cur:1}
    else
        typed=${cur//\\/}
    fi
    while IFS= read -r name; do
        [[ ${name,,} == "${typed,,}"* ]] || continue
        if [[ -n $quote ]]; then
            COMPREPLY+=("$name")
        else
            COMPREPLY+=("${name// /\\ }")
        fi
    done
}

# Readline splits "--fraction=16" at "=" (and "1:23:20" at ":"): the words are taken whole
# again, and the text after an option's "=" is completed as that option's value.
_vardeln_convert() {
    local cur prev words cword split category wanted
    _init_completion -s -n : || return
    COMPREPLY=()
    if [[ $split == true ]]; then
        local option values=()
        for option in "${_vardeln_convert_options[@]}" "${_vardeln_convert_choices[@]}"; do
            [[ $option == "$prev="* ]] && values+=("${option#"$prev="}")
        done
        mapfile -t COMPREPLY < <(compgen -W "${values[*]}" -- "$cur")
        return
    fi
    _vardeln_convert_wanted
    case $wanted in
        option)
            mapfile -t COMPREPLY < <(compgen -W "${_vardeln_convert_options[*]} --" -- "$cur")
            [[ ${#COMPREPLY[@]} == 1 && $COMPREPLY == *= ]] && compopt -o nospace
            ;;
        category)
            _vardeln_convert_offer < <("${words[0]}" --list 2>/dev/null)
            ;;
        unit)
            _vardeln_convert_offer < <(_vardeln_convert_units)
            ;;
    esac
    __ltrim_colon_completions "$cur"
}
complete -F _vardeln_convert vardeln-convert
