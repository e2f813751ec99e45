#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# The window's memory beside an empty Qt main window: the built vardeln and the empty window
# (bench/ui/empty_window) each started fresh on the same Xvfb display with IceWM, left to
# settle once shown, then their resident memory read: VmRSS from /proc/PID/status and Pss
# (shared pages split among the processes that map them) from /proc/PID/smaps_rollup. Each
# program is measured in several fresh runs and the median kept. Prints both, the ratio and
# the target; the exit status is 1 when the window's VmRSS is over 1.15 times the empty one's.
# For reading the ratio, the same is printed for Qt's least window that draws text as the
# converter's does (empty_window --menu-and-text): an empty window draws no text at all, and
# the fonts, text shaping and menu bar any window with text needs weigh several MiB.
# Usage: window_memory_bench.sh BUILD_FOLDER [RUNS]
set -euo pipefail
here=$(dirname "$0")
. "$here/../../tests/support/checks.sh"
. "$here/../../tests/window/e2e/x_session.sh"
build=$1
runs=${2:-5}
target=1.15

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# resident NAME PROGRAM [ARGUMENT...] — starts the program, waits for its window and for it to settle,
# and prints its VmRSS and Pss in kB.
resident() {
  local pid window
  start_in_session "$1" env QT_QPA_PLATFORM=xcb "${@:2}"
  pid=$started_pid
  window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1) || true
  [ -n "$window" ] || give_up "$1 shows its window"
  sleep 2
  printf '%s %s\n' "$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")" \
    "$(awk '/^Pss:/ { print $2 }' "/proc/$pid/smaps_rollup")"
  stop_process "$pid"
}

start_x_session
declare -A rss pss
declare -A command=([empty]="$build/bench/ui/empty_window"
  [text]="$build/bench/ui/empty_window --menu-and-text" [vardeln]="$build/ui/vardeln")
for name in empty text vardeln; do
  rss_runs=() pss_runs=()
  for ((run = 0; run < runs; run++)); do
    # The command is split into program and argument on purpose.
    # shellcheck disable=SC2086
    read -r r p < <(resident "$name-$run" ${command[$name]})
    rss_runs+=("$r") pss_runs+=("$p")
  done
  rss[$name]=$(median "${rss_runs[@]}")
  pss[$name]=$(median "${pss_runs[@]}")
done

mib() { awk -v kb="$1" 'BEGIN { printf "%.1f MiB", kb / 1024 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
printf 'Font: %s; Qt platform xcb on Xvfb with IceWM; median of %d fresh starts each\n' \
  "$(fc-match sans-serif)" "$runs"
printf '%-22s %10s %10s\n' "" VmRSS Pss
printf '%-22s %10s %10s\n' "empty window" "$(mib "${rss[empty]}")" "$(mib "${pss[empty]}")"
printf '%-22s %10s %10s\n' "window with menu, text" "$(mib "${rss[text]}")" "$(mib "${pss[text]}")"
printf '%-22s %10s %10s\n' vardeln "$(mib "${rss[vardeln]}")" "$(mib "${pss[vardeln]}")"
printf 'window with menu, text / empty window: VmRSS %s, Pss %s (for reading the ratio below)\n' \
  "$(ratio "${rss[text]}" "${rss[empty]}")" "$(ratio "${pss[text]}" "${pss[empty]}")"
rss_ratio=$(ratio "${rss[vardeln]}" "${rss[empty]}")
pss_ratio=$(ratio "${pss[vardeln]}" "${pss[empty]}")
verdict="within target"
awk -v r="$rss_ratio" -v t="$target" 'BEGIN { exit !(r <= t) }' || verdict="OVER TARGET"
printf 'vardeln / empty window: VmRSS %s, Pss %s (target: VmRSS at most %s) %s\n' \
  "$rss_ratio" "$pss_ratio" "$target" "$verdict"
[ "$verdict" = "within target" ]
