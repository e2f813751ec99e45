#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# vardeln-convert's shell completion for a table of command lines: the words bash offers,
# through bash-completion's own machinery; the words fish offers, through its own
# "complete -C"; and the words zsh's completion adds, with stand-ins for the few compsys
# functions it calls (a zsh completion runs only inside an interactive line editor).
# Usage: completion_test.sh VARDELN_CONVERT COMPLETION_DIR
set -euo pipefail
. "$(dirname "$0")/../support/checks.sh"
PATH="$(cd "$(dirname "$1")" && pwd):$PATH"
completions=$2
export LC_ALL=C.UTF-8

# The options and --fraction's values, as the program's own --help lists them: every shell
# must offer each of them.
help=$(vardeln-convert --help)
fractions=$(grep -o 'N one of [0-9, ]*[0-9]' <<<"$help" | grep -o '[0-9]\+' | sort | paste -sd, -)
# An option that takes a value is offered as "--name=" by bash and zsh, "--name" by fish.
valued_options=$(sed -n 's/^  \(-h, \)\?\(--[a-z-]\+=\?\).*/\2/p' <<<"$help" | sort)
long_options=$(sed 's/=$//' <<<"$valued_options" | sort)
[ -n "$fractions" ] && grep -qx -- --fraction <<<"$long_options" || give_up "--help lists --fraction=N"
fish_options=$(paste -sd, - <<<"$long_options")
bash_options=$( (echo --; grep -vx -- --fraction= <<<"$valued_options"; tr , '\n' <<<"$fractions" | sed 's/^/--fraction=/') \
  | sort | paste -sd, -)

# Each prints the words offered for the last of WORDS (separated by the unit separator,
# \x1f), sorted, one a line.
# bash gets its words as readline splits the line: at blanks, and at each of COMP_WORDBREAKS'
# "=" and ":", which stand as words of their own ("--fraction=16" is "--fraction", "=", "16").
bash_words() {
  bash --norc --noprofile -c '
    . /usr/share/bash-completion/bash_completion
    . "$1"
    IFS=$(printf "\037") read -ra typed <<<"$2$(printf "\037")"
    COMP_WORDS=()
    for ((i = 0; i < ${#typed[@]}; i++)); do
      word=${typed[i]}
      while [[ $word != [\"\x27]* && $word =~ ^([^=:]*)([=:])(.*)$ ]]; do
        [[ -n ${BASH_REMATCH[1]} ]] && COMP_WORDS+=("${BASH_REMATCH[1]}")
        COMP_WORDS+=("${BASH_REMATCH[2]}")
        word=${BASH_REMATCH[3]}
        split=1
      done
      [[ -n $word || ($i -eq $((${#typed[@]} - 1)) && -z ${split-}) ]] && COMP_WORDS+=("$word")
      unset split
    done
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE="${typed[*]}"
    COMP_POINT=${#COMP_LINE}
    function=$(complete -p vardeln-convert | sed -n "s/.* -F \([^ ]*\) .*/\1/p")
    "$function" vardeln-convert "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf "%s\n" "${COMPREPLY[@]}"
  ' bash "$completions/vardeln-convert.bash" "$1" | sort
}

fish_words() {
  fish --no-config -c 'source $argv[1]; complete -C $argv[2]' \
    "$completions/vardeln-convert.fish" "${1//$'\x1f'/ }" | cut -f1 | sort
}

zsh_words() {
  zsh -f -c '
    setopt extendedglob
    _describe() { print -l -- ${(M)${${(P)${@[-1]}}%%:*}:#${PREFIX}*}; }
    _wanted() { shift 3; "$@"; }
    compadd() {  # -M: the script asks for matching in any case
      local fold; [[ $1 == -M ]] && fold="(#i)"
      print -l -- ${(M)${(P)${@[-1]}}:#${~fold}${PREFIX}*}
    }
    _message() { :; }
    _call_program() { shift; "$@"; }
    words=("${(@ps:\x1f:)2}")
    CURRENT=$#words
    PREFIX=${(Q)${words[-1]#[\"\x27]}}  # zsh leaves an opening quote out of PREFIX
    source $1
  ' zsh "$completions/_vardeln-convert" "$1" | sort
}

joined() { paste -sd, -; }

# description | words, comma-separated (a comma within a word as "\,") | bash offers |
# fish offers | zsh offers ("=" in a column: the same as the column before it)
while IFS='|' read -r description words bash_expected fish_expected zsh_expected; do
  [ -n "$description" ] || continue
  words=${words//\\,/$'\x1e'}
  words=${words//,/$'\x1f'}
  words=${words//$'\x1e'/,}
  bash_expected=${bash_expected//@options@/$bash_options}
  fish_expected=${fish_expected//@options@/$fish_options}
  zsh_expected=${zsh_expected//@options@/$bash_options}
  bash_expected=${bash_expected//@fractions@/$(tr , '\n' <<<"$fractions" | sort | paste -sd, -)}
  [ "$fish_expected" = "=" ] && fish_expected=$bash_expected
  [ "$zsh_expected" = "=" ] && zsh_expected=$fish_expected
  check_equal "bash: $description" "$bash_expected" "$(bash_words "$words" | joined)"
  check_equal "fish: $description" "$fish_expected" "$(fish_words "$words" | joined)"
  check_equal "zsh: $description" "$zsh_expected" "$(zsh_words "$words" | joined)"
done <<'TABLE'
every option --help lists|vardeln-convert,--|@options@|@options@|@options@
--fraction='s values|vardeln-convert,--fraction=|@fractions@|--fraction=16,--fraction=2,--fraction=32,--fraction=4,--fraction=64,--fraction=8|=
a --fraction= value begun|vardeln-convert,length,--fraction=3|32|--fraction=32|=
a category after --fraction=N|vardeln-convert,--fraction=16,ti|time|=|=
--grouping='s values|vardeln-convert,--grouping=|indian,none,thousands|--grouping=indian,--grouping=none,--grouping=thousands|=
a unit after number options|vardeln-convert,--decimals=2,--grouping=indian,length,1,Meters,Ki|Kilometers,kilometer,kilometre,kilometres|Kilometers|Kilometers,kilometer,kilometre,kilometres
a unit after --fraction=N and a clock value|vardeln-convert,time,--fraction=8,1:23:20,Minute\ a|Minute\ and\ Second|Minute and Second|=
categories|vardeln-convert,te|temperature|=|=
a category after an option|vardeln-convert,--exact,p|power,prefix,pressure|=|=
--list takes a category|vardeln-convert,--list,s|speed|=|=
--list takes no more|vardeln-convert,--list,speed,||=|=
VALUE has no words|vardeln-convert,length,||=|=
labels with blanks, escaped|vardeln-convert,pressure,1,Dy|Dynes\ /\ Meter\ Square,Dynes\ /\ cm\ Square,dyn/cm2,dyn/cm²,dyn/m2,dyn/m²|Dynes / Meter Square,Dynes / cm Square|Dynes / Meter Square,Dynes / cm Square,dyn/cm2,dyn/cm²,dyn/m2,dyn/m²
labels in an open quote|vardeln-convert,pressure,1,"Dynes / c|Dynes / cm Square|=|=
an escaped label typed in part|vardeln-convert,pressure,1,Dynes\ /\ M|Dynes\ /\ Meter\ Square|Dynes / Meter Square|=
labels with slashes|vardeln-convert,speed,1,Feet/|Feet/hour,Feet/second|=|=
TO after a label with blanks|vardeln-convert,pressure,1,Dynes\ /\ cm\ Square,Ba|Ba,Bar,Barye,bars,baryes|Ba,Bar,Barye|Ba,Bar,Barye,bars,baryes
a negative value is no option|vardeln-convert,temperature,-40,Ce|Celsius,centigrade|Celsius|Celsius,centigrade
-x where VALUE stands is a value|vardeln-convert,temperature,-x,K|K,Kelvin,kelvins|K,Kelvin|K,Kelvin,kelvins
after --|vardeln-convert,--,temperature,-5,R|Rankine,Reaumur,Réaumur|=|=
options between the operands|vardeln-convert,length,1,--json,Feet,Met|Meters,meter,metre,metres|Meters|Meters,meter,metre,metres
a category in any case|vardeln-convert,TEMPERATURE,1,Ré|Réaumur|=|=
names typed in any case|vardeln-convert,temperature,1,c|C,Celsius,centigrade|=|=
a category typed in any case|vardeln-convert,TE|temperature|=|=
fish prefers the case typed|vardeln-convert,energy,1,E|Eh,Ergs,eV,electronVolts,electron\ volt,electron\ volts,electronvolt,erg|Eh,Ergs|Eh,Ergs,eV,electron volt,electron volts,electronVolts,electronvolt,erg
options after the category|vardeln-convert,temperature,--e|--exact,--explain|=|=
--explain after the category|vardeln-convert,temperature,--explain,1,Celsius,K|K,Kelvin,kelvins|K,Kelvin|K,Kelvin,kelvins
compound units, after a --fraction|vardeln-convert,length,--fraction=16,1,Meters,feet|Feet,Feet\ and\ Inches|Feet,Feet and Inches|=
--all takes no TO|vardeln-convert,--all,temperature,1,Celsius,||=|=
an unknown category has no units|vardeln-convert,lenght,1,F||=|=
names after the labels|vardeln-convert,mass,1,Tol|Tola,Tola,\ Masha\ and\ Rutti,tolah,tolas|Tola,Tola, Masha and Rutti|Tola,Tola, Masha and Rutti,tolah,tolas
a number first: every category's units|vardeln-convert,2,tol|Tola,Tola,\ Masha\ and\ Rutti,tolah,tolas|Tola,Tola, Masha and Rutti,tolah,tolas|=
a decimal comma first|vardeln-convert,--decimal-mark=\,,1\,5,fur|Furlong,fur,furlongs|=|=
Indian groups first|vardeln-convert,--grouping=indian,1\,50\,000,fur|Furlong,fur,furlongs|=|=
a lakh first, quoted|vardeln-convert,--grouping=indian,"2.5 lakh",fur|Furlong,fur,furlongs|=|=
TO after a name, the category left out|vardeln-convert,-,ft,yar|Yard-Gaz,Yard-Gaz,\ Feet\ and\ Inches,Yard-Gaz\ Square,yard,yards|Yard-Gaz,Yard-Gaz Square,Yard-Gaz, Feet and Inches,yard,yards|=
TABLE

finish_checks
