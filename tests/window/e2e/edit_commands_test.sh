#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Typing a number and the four Edit commands, chosen from the Edit menu with its access key
# and the arrow keys, against the system clipboard that other programs share. What the
# converter makes of each command is the scenario table's.
# Usage: edit_commands_test.sh BUILD_FOLDER
set -euo pipefail
here=$(dirname "$0")
. "$here/vardeln_driver.sh"
build=$1

start_x_session
start_vardeln

# The number box opens holding 0, selected.
keys BackSpace
type_text 12
expect_copy "typing 12, then Copy" "12 Acres = 12 Acres"

put_clipboard 3.75
edit_command Paste
expect_copy "Paste replaces the number with the text another program put on the clipboard" \
  "3.75 Acres = 3.75 Acres"

put_clipboard 7
edit_command Paste
put_clipboard "(not cut yet)"
edit_command Cut
expect_clipboard "Cut puts the whole number on the clipboard" "7"
expect_copy "Cut leaves the number box empty" " Acres = Invalid Number Acres"

type_text 5
edit_command Reset
expect_copy "Reset empties both number boxes" " Acres =  Acres"

# The commands work on the whole box wherever the focus is: here in the source unit list.
keys Tab
put_clipboard 2
edit_command Paste
expect_copy "Paste with the focus in the unit list" "2 Acres = 2 Acres"

finish_checks
