#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# cmake --install into an empty prefix puts exactly the expected files in bin/ and share/,
# each of the kind its name promises, and the installed command-line program runs from there.
# Usage: install_test.sh BUILD_FOLDER
set -euo pipefail
here=$(dirname "$0")
. "$here/../support/checks.sh"
. "$here/expected_files.sh"
build=$1

prefix=$(mktemp -d "${TMPDIR:-/tmp}/vardeln-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

check_equal "installs exactly the expected files" "$(expected_files)" \
  "$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)"

kind() { file --brief "$prefix/$1" | cut -d, -f"$2"; }
icons=share/icons/hicolor
for size in 32 48 64 128 256; do
  check_equal "the hicolor ${size}x${size} icon is a $size × $size PNG" \
    "PNG image data, $size x $size" "$(kind $icons/${size}x${size}/apps/org.vardeln.Vardeln.png 1-2)"
done
check_equal "the scalable icon is an SVG picture" "SVG Scalable Vector Graphics image" \
  "$(kind $icons/scalable/apps/org.vardeln.Vardeln.svg 1)"
check "the programs are executable" test -x "$prefix/bin/vardeln" -a -x "$prefix/bin/vardeln-convert"

version=$("$prefix/bin/vardeln-convert" --version | cut -d' ' -f2)
for program in vardeln vardeln-convert; do
  manual=$prefix/share/man/man1/$program.1.gz
  check "the manual page of $program is a sound gzip file" gzip --test "$manual"
  check_equal "the manual page is $program's, section 1, with the version" \
    ".TH ${program^^} 1 \"Vardeln $version\"" \
    "$(zcat "$manual" | grep '^\.TH' | cut -d' ' -f1-3,6-7)"
done

check_equal "the installed vardeln-convert converts" "100" \
  "$("$prefix/bin/vardeln-convert" area 1 Hectares Ares)"

# Each shell finds the installed completion where it looks for one: bash-completion's loader
# and fish in the data folders, zsh's compinit in its function path.
export PATH="$prefix/bin:$PATH" XDG_DATA_DIRS="$prefix/share"
check_equal "bash-completion's loader finds the completion" "complete -F _vardeln_convert vardeln-convert" \
  "$(bash --norc -c '. /usr/share/bash-completion/bash_completion
    _completion_loader vardeln-convert; complete -p vardeln-convert')"
check_equal "fish finds the completion" "--list" \
  "$(XDG_CONFIG_HOME="$prefix/config" fish -c 'complete -C "vardeln-convert --li"' | cut -f1)"
check_equal "zsh's compinit finds the completion" "_vardeln-convert" \
  "$(zsh -f -c 'fpath=("$1/share/zsh/site-functions" $fpath); autoload -Uz compinit
    compinit -D; print -r -- $_comps[vardeln-convert]' zsh "$prefix")"

finish_checks
