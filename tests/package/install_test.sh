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
check_equal "the hicolor 32x32 icon is a 32 × 32 PNG" "PNG image data, 32 x 32" \
  "$(kind $icons/32x32/apps/org.vardeln.Vardeln.png 1-2)"
check_equal "the scalable icon is an SVG picture" "SVG Scalable Vector Graphics image" \
  "$(kind $icons/scalable/apps/org.vardeln.Vardeln.svg 1)"
check "the programs are executable" test -x "$prefix/bin/vardeln" -a -x "$prefix/bin/vardeln-convert"

manual=$prefix/share/man/man1/vardeln-convert.1.gz
check "the manual page is a sound gzip file" gzip --test "$manual"
check_equal "the manual page is vardeln-convert's, section 1" '.TH VARDELN-CONVERT 1' \
  "$(zcat "$manual" | grep '^\.TH' | cut -d' ' -f1-3)"

check_equal "the installed vardeln-convert converts" "100" \
  "$("$prefix/bin/vardeln-convert" area 1 Hectares Ares)"

finish_checks
