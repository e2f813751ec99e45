#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Categories chosen from the category menu with access keys, units moved with the arrow
# keys, and the line Copy then gives, checked against vardeln-convert.
# Usage: category_menu_test.sh BUILD_FOLDER
set -euo pipefail
here=$(dirname "$0")
. "$here/vardeln_driver.sh"
build=$1

convert_cli() { "$build/cli/vardeln-convert" "$@"; }
# unit CATEGORY INDEX — the label at this zero-based place in the category's lists.
unit() { convert_cli --list "$1" | sed -n "$(($2 + 1))p"; }
last_unit() { convert_cli --list "$1" | tail -n 1; }
# copy_line CATEGORY NUMBER FROM TO — the line Copy gives for this conversion.
copy_line() { echo "$2 $3 = $(convert_cli "$1" "$2" "$3" "$4") $4"; }

start_x_session
start_vardeln
keys BackSpace
type_text 2.5

# Length by its access key L; then Tab to the source list, two entries down, Tab (past the
# result box, which takes no focus) to the target list, five entries down.
choose_category l
keys Tab $(presses_down 2) Tab $(presses_down 5)
expect_copy "Length by its access key, units moved with the arrow keys" \
  "$(copy_line length 2.5 "$(unit length 2)" "$(unit length 5)")"

# The focus stays in the target list; End takes it to the last unit.
choose_category w
keys End
expect_copy "Power by its access key W, the last target unit by End" \
  "$(copy_line power 2.5 "$(unit power 0)" "$(last_unit power)")"

# Pref&ix and T&ime share the key I: pressing it moves between the two without choosing.
choose_category i
keys Escape Escape
expect_copy "the shared access key I alone chooses nothing" \
  "$(copy_line power 2.5 "$(unit power 0)" "$(last_unit power)")"
choose_category i i Return
expect_copy "the second I and Enter choose Time" "$(copy_line time 2.5 "$(unit time 0)" "$(unit time 0)")"

finish_checks
