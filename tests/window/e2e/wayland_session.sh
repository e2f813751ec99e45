# Vardeln — MIT licence, see LICENSE.
# A private Wayland session for driving the real program from outside. Weston runs as a
# window of the private X display (its X11 backend), so the keys and clicks xdotool sends
# there reach weston's seat, and through it the program, as a keyboard's would. What the
# program asks of the compositor is read from weston's own record of the protocol, where its
# windows stand from weston's scene graph, what they show from weston's screenshots, and the
# clipboard through wl-clipboard.
# Source it after vardeln_driver.sh, then call start_wayland_session: start_vardeln and the
# clipboard and menu helpers of the driver then work on the program under Wayland.

compositor_answers() { timeout 5 weston-info >/dev/null 2>&1; }

protocol_recorded() { [ -s "$protocol_log" ]; }

start_wayland_session() {
  start_x_session
  # The socket lies in the session's own run-time folder, which only this user may enter.
  export WAYLAND_DISPLAY=wayland-vardeln
  # No panel: the desktop is the program's windows on a plain background. No animations:
  # a window is where the scene graph says from the moment it is shown.
  printf '%s\n' '[core]' 'idle-time=0' '[shell]' 'panel-position=none' 'locking=false' \
    'animation=none' 'close-animation=none' 'startup-animation=none' 'focus-animation=none' \
    >"$session_dir/weston.ini"
  start_in_session weston weston --config="$session_dir/weston.ini" --backend=x11-backend.so \
    --use-pixman --socket="$WAYLAND_DISPLAY" --width=640 --height=480 --debug
  poll 20 compositor_answers || give_up "weston starts on the X display"
  weston_window=$(timeout 10 xdotool search --sync --onlyvisible --class '^weston' | head -n 1) ||
    true
  [ -n "$weston_window" ] || give_up "weston's output appears on the X display"
  timeout 10 xdotool windowactivate --sync "$weston_window" || give_up "weston takes the keyboard"

  # Every request of every client as the compositor receives it, from here on.
  protocol_log=$session_dir/protocol.log
  start_in_session protocol weston-debug proto
  poll 10 eval 'compositor_answers && protocol_recorded' || give_up "weston records the protocol"
}

# start_vardeln [NAME=VALUE...] — starts the program on the Wayland display with these
# settings added to its environment and waits until its window is shown and has the keyboard.
# Sets vardeln_pid.
start_vardeln() {
  park_pointer
  vardeln_runs=$((vardeln_runs + 1))
  start_in_session "vardeln-$vardeln_runs" env QT_QPA_PLATFORM=wayland "$@" "$build/ui/vardeln"
  vardeln_pid=$started_pid
  poll 20 window_shown "$(main_caption)" || give_up "the window appears"
  poll 10 window_active "$(main_caption)" || give_up "the window takes the keyboard"
  vardeln_client=$(grep -F "set_title(\"$(main_caption)\")" "$protocol_log" | tail -n 1 |
    grep -o 'client 0x[0-9a-f]*')
}

# Keeps weston's pointer in the corner of its output, away from the program's controls.
park_pointer() { xdotool mousemove --window "$weston_window" 1 1; }

scene_graph() { timeout 5 weston-debug scene-graph 2>/dev/null; }

# window_place TITLE — where weston shows the program's top-level window of this title, as
# "LEFT TOP RIGHT BOTTOM" twice: the whole window with any title bar Qt draws around it, then
# the window's contents (its opaque part) alone. Empty when no such window is shown.
window_place() {
  scene_graph | awk -v title="$1" '
    /^[\t ]*View / { mine = index($0, "top-level window '\''" title "'\'' ") > 0; next }
    !mine { next }
    /position:/ { gsub(/[^0-9]+/, " "); whole = $1 " " $2 " " $3 " " $4 }
    /fully opaque/ { print whole, whole; exit }
    /opaque:/ { gsub(/[^0-9]+/, " "); print whole, $1, $2, $3, $4; exit }'
}

window_shown() { [ -n "$(window_place "$1")" ]; }

# title_bar_end TITLE PICTURE CONVERT_OPTIONS... — the right end of the window's title bar,
# where its buttons are, cut from a picture of weston's output and converted: as wide as
# three buttons and as high as a title.
title_bar_end() {
  local place picture=$2
  read -r -a place <<<"$(window_place "$1")"
  [ "${#place[@]}" -eq 8 ] || return 1
  shift 2
  convert "$picture" -crop "78x24+$((place[2] - 78))+${place[1]}" +repage -colorspace gray "$@"
}

# The buttons of an active window's title bar are drawn in the text colour, black, and an
# inactive one's in a light grey: the darkest pixel there tells.
window_active() {
  take_screenshot "$session_dir/activity.png" || return 1
  [ "$(title_bar_end "$1" "$session_dir/activity.png" -format '%[fx:int(255*minima)]' info:)" \
    -lt 64 ]
}

# title_bar_buttons TITLE — how many buttons the active window's title bar shows: the runs
# of columns at its right end with a dark mark in them.
title_bar_buttons() {
  take_screenshot "$session_dir/buttons.png" || return 1
  title_bar_end "$1" "$session_dir/buttons.png" -threshold 50% -scale 78x1! -depth 8 txt:- |
    awk 'NR > 1 {
      match($0, /gray\([0-9.]+/); dark = substr($0, RSTART + 5, RLENGTH - 5) + 0 < 250
      if (dark && !before) buttons++
      before = dark
    }
    END { print buttons + 0 }'
}

# A window or popup of another program is shown: wl-clipboard's, while it holds the keyboard.
others_shown() {
  scene_graph | grep -E 'role xdg_(toplevel|popup),' | grep -q -v -F "PID $vardeln_pid,"
}

program_popup_shown() { scene_graph | grep 'role xdg_popup,' | grep -q -F "PID $vardeln_pid,"; }

# click_at X Y — a click at this place of weston's output, as a hand makes it: the pointer
# arrives, the button goes down and comes up, and the pointer rests there a moment.
click_at() {
  xdotool mousemove --window "$weston_window" "$1" "$2"
  sleep 0.1
  xdotool mousedown 1
  sleep 0.05
  xdotool mouseup 1
  sleep 0.2
}

# Clicks the empty bottom left of the window's contents, once wl-clipboard's surface has gone,
# which gives the window the keyboard back without moving its focus between controls.
activate_window() {
  local place
  poll 10 eval '! others_shown' || give_up "wl-clipboard gives the keyboard back"
  read -r -a place <<<"$(window_place "$1")"
  click_at "$((place[4] + 4))" "$((place[7] - 4))"
  park_pointer
  poll 10 window_active "$1" || give_up "the window $1 takes the keyboard back"
}

# open_menu KEYS — opens a menu with its access key, held down until weston shows the menu.
# Weston lets a menu take the keyboard only while no key has been pressed or let go since the
# one that asked for it; a busy program could otherwise ask too late, and its menu would
# close at once. It is asked for again when it does not open.
open_menu() {
  local tries=3
  until xdotool keydown "$1" && poll 3 program_popup_shown; do
    xdotool keyup "$1"
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || give_up "the menu opens with $1"
  done
  xdotool keyup "$1"
}

# As the driver's catch_up, with the menu's popup seen in weston's scene graph.
catch_up() {
  open_menu alt+e
  keys Escape Escape
  poll 10 eval '! program_popup_shown' || give_up "the Edit menu closes"
}

# As the driver's edit_command, once the Edit menu is shown.
edit_command() {
  local -A position=([Cut]=0 [Copy]=1 [Paste]=2 [Reset]=3)
  local moves=() i
  for ((i = 0; i < position[$1]; i++)); do moves+=(Down); done
  open_menu alt+e
  keys "${moves[@]}" Return
}

# wl-clipboard asks for the keyboard with a surface of its own to reach the clipboard under
# weston, which leaves the program's window inactive: it is given the keyboard back.
read_clipboard() {
  clipboard=$(timeout 5 wl-paste --no-newline 2>/dev/null; printf .)
  clipboard=${clipboard%.}
}

put_clipboard() {
  catch_up
  printf '%s' "$1" | timeout 5 wl-copy 2>/dev/null
  poll 10 clipboard_is "$1" || give_up "wl-copy puts [$1] on the clipboard"
  activate_window "$(main_caption)"
}

expect_clipboard() {
  poll 10 clipboard_is "$2" || true
  activate_window "$(main_caption)"
  check_equal "$1" "$2" "$clipboard"
}

# take_screenshot PICTURE — weston's whole output.
take_screenshot() {
  local folder=$session_dir/screenshots
  mkdir -p "$folder"
  rm -f "$folder"/*.png
  (cd "$folder" && timeout 10 weston-screenshooter >/dev/null 2>&1) || return 1
  mv "$folder"/*.png "$1"
}

# photograph_window TITLE PICTURE [whole|contents] — the window with its title bar, or its
# contents alone, once two screenshots in a row show it the same.
photograph_window() {
  local place crop previous=$session_dir/previous.png tries=50
  read -r -a place <<<"$(window_place "$1")"
  [ "${#place[@]}" -eq 8 ] || give_up "$1 is shown for its picture"
  if [ "${3:-whole}" = whole ]; then
    crop="$((place[2] - place[0]))x$((place[3] - place[1]))+${place[0]}+${place[1]}"
  else
    crop="$((place[6] - place[4]))x$((place[7] - place[5]))+${place[4]}+${place[5]}"
  fi
  take_screenshot "$session_dir/output.png" && convert "$session_dir/output.png" -crop "$crop" +repage "$previous"
  until sleep 0.1 && take_screenshot "$session_dir/output.png" &&
    convert "$session_dir/output.png" -crop "$crop" +repage -define png:exclude-chunks=date,time "$2" &&
    compare -metric AE "$previous" "$2" null: 2>/dev/null; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || give_up "$(basename "$2") stops changing"
    cp "$2" "$previous"
  done
}

# requests INTERFACE.REQUEST — the program's requests of this name (a pattern), one a line
# as weston recorded them: xdg_toplevel@19.set_title("Vardeln v…"). Other clients number
# their objects alike, so only the program's own lines count.
requests() {
  grep -F "$vardeln_client rq " "$protocol_log" | grep -o " rq $1(.*" | cut -c5- || true
}
