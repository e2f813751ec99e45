#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# The real program under a Wayland compositor (weston) rather than X11: how it introduces its
# window to the compositor, its own title bar with no maximize button, the window's size,
# typing, a unit chosen with the keyboard, Copy and Paste through the Wayland clipboard, the
# About box as a modal child of the window, File, Exit and the close button. With a picture
# folder it also leaves the window's picture there.
# Usage: wayland_test.sh BUILD_FOLDER [PICTURE_FOLDER]
set -euo pipefail
here=$(dirname "$0")
. "$here/vardeln_driver.sh"
. "$here/wayland_session.sh"
build=$1
caption=$(main_caption)
pictures=${2:-}
[ -z "$pictures" ] || mkdir -p "$pictures"

# Qt under Wayland lays windows out at 96 logical DPI whatever the output.
dpi=96
place_of() { "$build/cli/vardeln-convert" --list area | grep -nx "$1" | cut -d: -f1; }
# toplevel_of TITLE — the program's window object that was given this title.
toplevel_of() { requests 'xdg_toplevel@[0-9]*\.set_title' | grep -F "(\"$1\")" | tail -n 1 | cut -d. -f1; }
# request_of OBJECT REQUEST — the arguments of the object's last request of this name.
request_of() { requests "$1\.$2" | tail -n 1 | sed 's/^[^(]*(\(.*\))$/\1/'; }

start_wayland_session
start_vardeln

# Qt's own title bar offers to maximize, and asked to fill the screen the window of fixed
# size breaks weston's rules and is ended; the window's own bar has two buttons.
check_equal "the title bar offers to minimize and to close, and nothing more" 2 \
  "$(title_bar_buttons "$caption")"

main_toplevel=$(toplevel_of "$caption")
[ -n "$main_toplevel" ] || give_up "the window is a top-level window titled \"$caption\""
pass "the window is a top-level window titled \"$caption\""
entry_id=$(basename "$here/../../../packaging/desktop/"*.desktop.in .desktop.in)
check_equal "the application id names the desktop entry" "\"$entry_id\"" \
  "$(request_of "$main_toplevel" set_app_id)"

# The same size as under X11: the client area 3450 × 3255 twips under the menu bar, fixed.
read -r -a place <<<"$(window_place "$caption")"
contents_size="$((place[6] - place[4])), $((place[7] - place[5]))"
check_equal "the user cannot make it smaller" "$contents_size" "$(request_of "$main_toplevel" set_min_size)"
check_equal "the user cannot make it larger" "$contents_size" "$(request_of "$main_toplevel" set_max_size)"
photograph_window "$caption" "$session_dir/contents.png" contents
check_equal "client width, 3450 twips at $dpi DPI" "$(twips_to_pixels 3450 $dpi)" \
  "$((place[6] - place[4]))"
check_equal "client height under the menu bar, 3255 twips at $dpi DPI" \
  "$(twips_to_pixels 3255 $dpi)" "$((place[7] - place[5] - $(client_top "$session_dir/contents.png")))"

# Typing, then 1 Hectares in Acres: Tab to the source list, down to Hectares, Tab past the
# target list back round to the number box.
keys BackSpace
type_text 1
keys Tab $(presses_down $(($(place_of Hectares) - 1))) Tab Tab
expect_copy "typing 1 and choosing Hectares with the keyboard, then Copy" \
  "1 Hectares = $("$build/cli/vardeln-convert" area 1 Hectares Acres) Acres"
[ -z "$pictures" ] || photograph_window "$caption" "$pictures/main-window-wayland.png"

put_clipboard 2.5
edit_command Paste
expect_copy "Paste takes the text another program put on the Wayland clipboard" \
  "2.5 Hectares = $("$build/cli/vardeln-convert" area 2.5 Hectares Acres) Acres"

open_about_box() {
  open_menu alt+h
  keys Return
  poll 10 window_shown "About $caption" || give_up "Help, About... opens the About box"
}
about_closed() { ! window_shown "About $caption"; }

open_about_box
pass "Help, About... opens the About box"
about_toplevel=$(toplevel_of "About $caption")
check_equal "the About box belongs to the window" "$main_toplevel" \
  "$(request_of "$about_toplevel" set_parent)"
check "the About box has the keyboard" poll 10 window_active "About $caption"
# Digits and a menu's access key must not reach the window behind the box.
type_text 789
keys alt+e
keys Escape
check "Esc closes the About box" poll 10 about_closed
check "the window has the keyboard again" poll 10 window_active "$caption"
expect_copy "the window took no keys while the box was open" \
  "2.5 Hectares = $("$build/cli/vardeln-convert" area 2.5 Hectares Acres) Acres"

# expect_exit DESCRIPTION — the program ends with status 0. Qt 6.4 can hang for good while
# it closes its connection to the compositor after the window has gone; the program must
# end all the same.
expect_exit() {
  local status=0
  poll 10 process_ended "$vardeln_pid" || give_up "$1"
  wait "$vardeln_pid" || status=$?
  check_equal "$1 with status 0" 0 "$status"
}

open_menu alt+f
keys x
expect_exit "File, Exit ends the program"

# The close button at the right end of the title bar, half a title bar's height down.
start_vardeln
read -r -a place <<<"$(window_place "$caption")"
click_at "$((place[2] - 12))" "$((place[1] + 12))"
expect_exit "the title bar's close button ends the program"

finish_checks
