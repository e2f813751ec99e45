# Vardeln — MIT licence, see LICENSE.
# fish completion for vardeln-convert: its options, the category names, and the unit labels
# of the category already typed, then the names people write for those units (every
# category's where a number first leaves the category out). The names come from the program
# itself (--list), so they are always the engine's own lists.

# What the token being completed stands for: "category", "value" or "unit" (or nothing),
# then the category typed. Options may stand anywhere until "--", a number is never an
# option, and where VALUE stands any other text is the value, as the program reads them.
function __vardeln_convert_wanted
    set -l operands
    set -l options_ended
    set -l listing
    set -l all
    for token in (commandline -opc)[2..-1]
        if test -z "$options_ended"; and string match -qr -- '^-.' $token; and not __vardeln_convert_is_number $token
            switch $token
                case --
                    set options_ended 1
                case --list
                    set listing 1
                case --all
                    set all 1
                case --exact --explain '--fraction=*' --json --today -h --help --version --locale \
                        '--decimal-mark=*' '--decimals=*' '--digits=*' '--group-mark=*' \
                        '--grouping=*' '--notation=*'
                case '*'
                    test (count $operands) -eq 1; and set -a operands $token
            end
        else
            set -a operands $token
        end
    end
    # A value first leaves the category out ("5 ft m"): the operands then count from VALUE.
    set -l given (count $operands)
    if test $given -gt 0; and begin; __vardeln_convert_is_number $operands[1]; or test "$operands[1]" = -; end
        set operands[1] ''
        set given (math $given + 1)
    end
    set -l wanted
    switch $given
        case 0
            set wanted category
        case 1
            test -z "$listing"; and set wanted value
        case 2
            test -z "$listing"; and set wanted unit
        case 3
            test -z "$listing" -a -z "$all"; and set wanted unit
    end
    echo $wanted
    echo $operands[1]
end

# A number in any style starts as one: a digit, after a sign or a decimal mark ("1,5",
# "1,50,000", "2.5 lakh").
function __vardeln_convert_is_number
    string match -qr -- '^\s*[+-]?[.,]?[0-9]' $argv[1]
end

function __vardeln_convert_wants
    test (__vardeln_convert_wanted)[1] = $argv[1]
end

# The labels, then the names people write for the units (those with a quote or a backslash
# are marks, typed as they are), from --list --json.
function __vardeln_convert_units
    set -l categories (__vardeln_convert_wanted)[2]
    test -n "$categories"; or set categories (vardeln-convert --list 2>/dev/null)
    for category in $categories
        vardeln-convert --list -- $category 2>/dev/null
    end
    for category in $categories
        vardeln-convert --list --json -- $category 2>/dev/null |
            sed -n 's/.*"names":\["\([^]]*\)"\].*/\1/p' | sed 's/","/\n/g' | string match -rv '["\\\\]'
    end
end

complete -c vardeln-convert -f
complete -c vardeln-convert -l all -d 'Convert VALUE to every unit of CATEGORY'
complete -c vardeln-convert -l exact -d 'Shortest text that reads back to the same double'
complete -c vardeln-convert -l explain -d 'The two rules that gave the result'
complete -c vardeln-convert -l fraction -x -a '2 4 8 16 32 64' -d 'Last part of a compound unit to the nearest 1/N'
complete -c vardeln-convert -l decimal-mark -x -a '. ,' -d 'The decimal mark of VALUE and the result'
complete -c vardeln-convert -l grouping -x -a 'none thousands indian' -d 'Groups of digits'
complete -c vardeln-convert -l group-mark -x -a ", . \\' thin narrow" -d 'The mark between groups of digits'
complete -c vardeln-convert -l digits -x -d 'N significant digits, 1 to 17'
complete -c vardeln-convert -l decimals -x -d 'N decimals, 0 to 17'
complete -c vardeln-convert -l notation -x -a 'general scientific engineering' -d 'Where a result takes an exponent'
complete -c vardeln-convert -l locale -d 'Numbers as LC_NUMERIC writes them'
complete -c vardeln-convert -l json -d 'One JSON object per line'
complete -c vardeln-convert -l list -d 'Category names, or the unit labels of CATEGORY'
complete -c vardeln-convert -l today -d "By today's definitions, exact and rounded once"
complete -c vardeln-convert -s h -l help -d 'Show the help'
complete -c vardeln-convert -l version -d 'Show the version'
complete -c vardeln-convert -n '__vardeln_convert_wants category' -a '(vardeln-convert --list 2>/dev/null)' -d Category
complete -c vardeln-convert -n '__vardeln_convert_wants unit' -a '(__vardeln_convert_units)' -d Unit
