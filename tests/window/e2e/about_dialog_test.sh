#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Help, About... opens the About box and gives it the keyboard; while it is open the window
# takes no keys and no clicks; Esc and Enter close it; it carries no icon; it opens the second
# time as and where it did the first.
# Usage: about_dialog_test.sh BUILD_FOLDER
set -euo pipefail
here=$(dirname "$0")
. "$here/vardeln_driver.sh"
build=$1

active_window_is() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
same_picture() { compare -metric AE "$1" "$2" null: 2>/dev/null; }

start_x_session
start_vardeln
keys BackSpace
type_text 5

open_about
pass "Help, About... opens the About box"
check "the About box has the keyboard" poll 10 active_window_is "$about_box"
photograph "$about_box" "$session_dir/about-first.png"
first_place=$(xdotool getwindowgeometry "$about_box" | grep Position)
check "the About box carries no icon of its own" \
  bash -c "! xprop -id '$about_box' _NET_WM_ICON | grep -q 'Icon ('"

# Digits, the access keys of the Edit and category menus, and a click into the number box
# followed by a digit: none of it may reach the window behind the box. (Enter would press
# the box's OK button, so no key here is Enter.)
type_text 789
keys alt+e alt+v l
dpi=$(qt_dpi)
window_height=$(xdotool getwindowgeometry --shell "$main_window" | sed -n 's/^HEIGHT=//p')
menu_bar=$((window_height - $(twips_to_pixels 3255 "$dpi")))
xdotool mousemove --window "$main_window" "$(twips_to_pixels 1000 "$dpi")" \
  "$((menu_bar + $(twips_to_pixels 600 "$dpi")))" click 1
type_text 4
park_pointer
keys Escape
check "Esc closes the About box" poll 10 about_box_closed
expect_copy "the window took no keys and no click while the box was open" "5 Acres = 5 Acres"

open_about
photograph "$about_box" "$session_dir/about-second.png"
check "the box opens the second time as it did the first" \
  same_picture "$session_dir/about-first.png" "$session_dir/about-second.png"
check_equal "the box opens the second time where it did the first" "$first_place" \
  "$(xdotool getwindowgeometry "$about_box" | grep Position)"
keys Return
check "Enter closes the About box" poll 10 about_box_closed

finish_checks
