#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Runs a Windows program under wine as a test needs it: its own wine prefix, made by the first
# test that needs it, no display, no messages from wine itself, no prompt to install .NET or a
# browser engine. CI runs this as root without a display or standard input.
#   wine.sh PREFIX WINE64 PROGRAM.exe [ARGUMENT...]
set -euo pipefail
export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine64=$2
shift 2
unset DISPLAY WAYLAND_DISPLAY
if [ ! -e "$WINEPREFIX/ready" ]; then
  (
    flock 9
    if [ ! -e "$WINEPREFIX/ready" ]; then
      "$wine64" wineboot -i </dev/null >/dev/null 2>&1
      "${wine64%/*}/wineserver" -w  # until the prefix is written out
      touch "$WINEPREFIX/ready"
      # One server for the whole run, kept a minute past its last program, so that no test
      # starts while the server of the test before is shutting down.
      "${wine64%/*}/wineserver" -p60 </dev/null >/dev/null 2>&1 9>&-
    fi
  ) 9>"$WINEPREFIX.lock"
fi
# GoogleTest's list of tests, which CTest reads by line: in Linux's line ends, and never empty,
# so that a test program wine cannot start fails here rather than listing nothing.
if [[ " $* " == *" --gtest_list_tests "* ]]; then
  list=$("$wine64" "$@" | tr -d '\r')
  [ -n "$list" ] || { echo "$0: no tests listed by $*" >&2; exit 1; }
  printf '%s\n' "$list"
  exit 0
fi
# A GoogleTest program always prints its filter and its banner. Failing with no word at all,
# it never ran: wine could not start it (it happens, rarely, while many tests start at once),
# so it gets one more start, and a program that really fails fails the same way twice.
if [[ " $* " == *" --gtest_filter="* ]]; then
  for attempt in 1 2; do
    status=0
    output=$("$wine64" "$@" 2>&1) || status=$?
    if [ "$status" -eq 0 ] || [ -n "$output" ]; then
      printf '%s\n' "$output"
      exit "$status"
    fi
  done
  echo "$0: wine started $1 twice and it ended with status $status and no output" >&2
  exit "$status"
fi
exec "$wine64" "$@"
