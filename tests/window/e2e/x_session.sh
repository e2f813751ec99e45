# Vardeln — MIT licence, see LICENSE.
# A private X display for driving the real program from outside: Xvfb on a display number no
# other server holds, so runs side by side never collide, and IceWM so that windows get a
# real frame and focus as on a desktop. Whatever is started through here is stopped when the
# script ends, however it ends; on a failure the programs' own output is shown.
# Source it after tests/support/checks.sh, then call start_x_session.

session_dir=$(mktemp -d "${TMPDIR:-/tmp}/vardeln-e2e.XXXXXX")
session_pids=()

# poll SECONDS COMMAND... — runs the command every tenth of a second until it succeeds, and
# fails when the time is up. The command itself must return promptly.
poll() {
  local tries=$(($1 * 10))
  shift
  until "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}

# A child that has exited but not yet been waited for still has its process entry; its
# state letter is then Z.
process_ended() {
  local state
  state=$(cut -d' ' -f3 "/proc/$1/stat" 2>/dev/null) || return 0
  [ "$state" = Z ]
}

# Asks the process to end, and makes it end if it has not done so within five seconds.
stop_process() {
  kill -TERM "$1" 2>/dev/null || true
  poll 5 process_ended "$1" || kill -KILL "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

# start_in_session NAME COMMAND... — runs the command in the background, its output kept in
# the session folder under NAME, and stops it with the session. Sets started_pid.
start_in_session() {
  local log=$session_dir/$1.log
  shift
  "$@" >"$log" 2>&1 &
  started_pid=$!
  session_pids+=("$started_pid")
}

stop_x_session() {
  local status=$? i log
  # Programs first, their display last.
  for ((i = ${#session_pids[@]} - 1; i >= 0; i--)); do stop_process "${session_pids[i]}"; done
  if [ "$status" -ne 0 ] || [ "$checks_failed" -ne 0 ]; then
    for log in "$session_dir"/*.log; do
      [ -s "$log" ] && printf -- '--- %s\n%s\n' "$(basename "$log")" "$(tail -n 40 "$log")"
    done
  fi
  rm -rf "$session_dir"
}
trap stop_x_session EXIT
trap 'exit 143' TERM INT HUP

display_answers() { timeout 5 xprop -root -len 0 WM_NAME >/dev/null 2>&1; }

window_manager_ready() {
  timeout 5 xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# A server writes its process id into the display's lock file before it opens the display,
# and leaves at once when another server holds that file; so a display that answers while
# its lock file names our server is ours.
xvfb_ready_or_gone() {
  process_ended "$xvfb_pid" && return 0
  [ "$(cat "/tmp/.X$1-lock" 2>/dev/null | tr -d ' \n')" = "$xvfb_pid" ] && DISPLAY=":$1" display_answers
}

start_x_session() {
  # Runs side by side start their search at different numbers and take the next one free.
  local display=$((100 + $$ % 800)) attempts=100
  until [ "$attempts" -eq 0 ]; do
    # Clients reach the display through its socket file alone: the abstract socket of a
    # display that another run is just closing could otherwise answer in its place. Without
    # -noreset the server would start afresh, refusing clients for a moment, each time its
    # last client leaves, such as the probe below.
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp -nolisten local -noreset \
      >"$session_dir/xvfb.log" 2>&1 &
    xvfb_pid=$!
    if ! poll 20 xvfb_ready_or_gone "$display"; then
      session_pids+=("$xvfb_pid")
      give_up "Xvfb starts on display :$display"
    fi
    process_ended "$xvfb_pid" || break
    wait "$xvfb_pid" || true
    display=$((display + 1))
    attempts=$((attempts - 1))
  done
  [ "$attempts" -gt 0 ] || give_up "Xvfb finds a free display"
  session_pids+=("$xvfb_pid")
  export DISPLAY=":$display"

  # Programs of the session keep their run-time files to themselves.
  export XDG_RUNTIME_DIR=$session_dir/runtime
  mkdir -m 700 "$XDG_RUNTIME_DIR"

  # Its own home, so that the frames look the same whatever the user has configured.
  mkdir "$session_dir/home"
  start_in_session icewm env HOME="$session_dir/home" icewm
  poll 20 window_manager_ready || give_up "IceWM takes charge of the display"
}
