# Vardeln — MIT licence, see LICENSE.
# Drives the built window program from outside, as a person would: keys and clicks travel
# through the X server (xdotool), and what the program shows is read back through the system
# clipboard (xclip) with Edit, Copy. Sourcing it also brings the checks and the private X
# session; set build to the build folder.

e2e_folder=$(dirname "${BASH_SOURCE[0]}")
. "$e2e_folder/../../support/checks.sh"
. "$e2e_folder/x_session.sh"

vardeln_runs=0

# The window's caption, "Vardeln v" and the version the built program reports.
main_caption() { echo "Vardeln v$("$build/ui/vardeln" --version | cut -d' ' -f2)"; }

# start_vardeln [NAME=VALUE...] [-- ARGUMENTS...] — starts the program with these settings
# added to its environment and these arguments, waits for its window and gives it the
# keyboard. Sets vardeln_pid and main_window.
start_vardeln() {
  local settings=()
  while [ "$#" -gt 0 ] && [ "$1" != -- ]; do
    settings+=("$1")
    shift
  done
  [ "$#" -eq 0 ] || shift
  park_pointer
  vardeln_runs=$((vardeln_runs + 1))
  start_in_session "vardeln-$vardeln_runs" env QT_QPA_PLATFORM=xcb "${settings[@]}" \
    "$build/ui/vardeln" "$@"
  vardeln_pid=$started_pid
  main_window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$vardeln_pid" | head -n 1) ||
    true
  [ -n "$main_window" ] || give_up "the window appears"
  timeout 10 xdotool windowactivate --sync "$main_window" || give_up "the window takes the keyboard"
}

stop_vardeln() { stop_process "$vardeln_pid"; }

# Keeps the pointer off the window, where resting on a control would bring up its tool tip.
park_pointer() { xdotool mousemove 0 0; }

# open_about — Help, About..., and waits for the box. Sets about_box.
open_about() {
  keys alt+h Return
  about_box=$(timeout 10 xdotool search --sync --onlyvisible --name '^About Vardeln v1\.3$' |
    head -n 1) || true
  [ -n "$about_box" ] || give_up "Help, About... opens the About box"
}

about_box_closed() { ! xdotool search --onlyvisible --name '^About Vardeln v1\.3$' >/dev/null; }

keys() { xdotool key --delay 20 "$@"; }

type_text() { xdotool type --delay 20 -- "$1"; }

# The Edit items have no access keys: the menu opens on its first item, Cut, and the arrow
# keys reach the others.
edit_command() {
  local -A position=([Cut]=0 [Copy]=1 [Paste]=2 [Reset]=3)
  local moves=() i
  for ((i = 0; i < position[$1]; i++)); do moves+=(Down); done
  keys alt+e "${moves[@]}" Return
}

# choose_category KEY... — opens the category menu with its access key, then presses the keys.
choose_category() { keys alt+v "$@"; }

# presses_down N — N presses of the Down key, to move a list's selection down by N entries.
presses_down() {
  local i
  for ((i = 0; i < $1; i++)); do printf 'Down\n'; done
}

read_clipboard() {
  clipboard=$(timeout 5 xclip -out -selection clipboard 2>/dev/null; printf .)
  clipboard=${clipboard%.}
}

clipboard_is() {
  read_clipboard
  [ "$clipboard" = "$1" ]
}

visible_windows_are() {
  [ "$(xdotool search --onlyvisible --pid "$vardeln_pid" 2>/dev/null | wc -l)" -eq "$1" ]
}

# Waits until the program has handled every key sent so far. It handles events in order, so
# once the Edit menu it is asked to open is on the screen, the keys before have been handled.
# The second Escape leaves the menu bar, which keeps the keyboard after the menu closes.
catch_up() {
  keys alt+e
  poll 10 visible_windows_are 2 || give_up "the Edit menu opens"
  keys Escape Escape
  poll 10 visible_windows_are 1 || give_up "the Edit menu closes"
}

# Puts the text on the clipboard as another program would, and waits until the clipboard
# gives it back. A Paste still to be handled must not get this text, so the program catches
# up first.
put_clipboard() {
  catch_up
  printf '%s' "$1" | xclip -in -selection clipboard >/dev/null 2>&1
  poll 10 clipboard_is "$1" || give_up "xclip puts [$1] on the clipboard"
}

# expect_clipboard DESCRIPTION EXPECTED — the program answers clipboard requests between its
# events, so the text is waited for.
expect_clipboard() {
  poll 10 clipboard_is "$2" || true
  check_equal "$1" "$2" "$clipboard"
}

# expect_copy DESCRIPTION EXPECTED — Edit, Copy puts this line on the clipboard.
expect_copy() {
  put_clipboard "(not copied yet)"
  edit_command Copy
  expect_clipboard "$1" "$2"
}

# A length in twips as pixels at the given dots per inch, rounded to the nearest pixel.
twips_to_pixels() { echo $((($1 * $2 + 720) / 1440)); }

# Qt on X11 takes its logical DPI from the Xft.dpi resource and assumes 96 without it; the
# physical size the X server reports does not enter into it.
qt_dpi() {
  local dpi
  dpi=$(xprop -root RESOURCE_MANAGER 2>/dev/null | grep -oE 'Xft\.dpi:[^0-9]*[0-9]+' |
    grep -o '[0-9]*$') || true
  echo "${dpi:-96}"
}

# client_top PICTURE — in a picture of the window's contents, the client area begins under
# the menu bar with the rule that runs its full width: the lowest band of full-width rows of
# one colour other than the background's (the bottom row's), seen from the bottom up past
# the controls. A title bar the window draws itself lies above it.
client_top() {
  convert "$1" -depth 8 txt:- | awk '
    NR == 1 { next }
    {
      split($1, xy, /[,:]/); x = xy[1] + 0; y = xy[2] + 0
      match($0, /#[0-9A-Fa-f]+/); colour = substr($0, RSTART, RLENGTH)
      if (x == 0) { first[y] = colour; uniform[y] = 1; rows = y + 1 }
      else if (colour != first[y]) uniform[y] = 0
    }
    END {
      background = first[rows - 1]
      for (y = rows - 1; y >= 0; y--) if (uniform[y] && first[y] != background) break
      if (y < 0) { print -1; exit }
      while (y > 0 && uniform[y - 1] && first[y - 1] == first[y]) y--
      print y
    }'
}

# photograph WINDOW PICTURE [import options] — takes the picture once two in a row come out
# the same, so that the program has finished painting.
photograph() {
  local window=$1 picture=$2 previous=$session_dir/previous.png tries=50
  shift 2
  import "$@" -window "$window" "$previous"
  until sleep 0.1 && import "$@" -window "$window" -define png:exclude-chunks=date,time "$picture" &&
    compare -metric AE "$previous" "$picture" null: 2>/dev/null; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || give_up "$(basename "$picture") stops changing"
    cp "$picture" "$previous"
  done
}
