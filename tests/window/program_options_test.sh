#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# vardeln as a command: --help and --version answer on standard output without a display,
# Qt's own options are still taken, and anything else is refused with status 2, also without
# a display.
# Usage: program_options_test.sh VARDELN VARDELN_CONVERT
set -euo pipefail
. "$(dirname "$0")/../support/checks.sh"
vardeln=$1
version=$("$2" --version | cut -d' ' -f2)

# run ENVIRONMENT ARGUMENTS... — runs vardeln with no display (or the given platform) and a
# bound on its time; sets status, out and err.
run() {
  local environment=$1
  shift
  set +e
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $environment \
    timeout 10 "$vardeln" "$@" 2>"$work/err")
  status=$?
  set -e
  err=$(cat "$work/err")
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# description | environment | arguments | status | standard output (first line) | standard error
while IFS='|' read -r description environment arguments expected_status expected_out expected_err; do
  [ -n "$description" ] || continue
  # shellcheck disable=SC2086  # the arguments column is a list of words
  run "$environment" $arguments
  check_equal "$description: status" "$expected_status" "$status"
  check_equal "$description: standard output" "${expected_out//@VERSION@/$version}" "$(head -n1 <<<"$out")"
  # Qt may add notes of its own about the environment; ours is the line naming the program.
  check_equal "$description: standard error" "$expected_err" "$(grep -m1 '^vardeln' <<<"$err" || true)"
done <<'TABLE'
--version without a display||--version|0|vardeln @VERSION@|
-v without a display||-v|0|vardeln @VERSION@|
--help without a display||--help|0|Usage: vardeln [Qt options]|
-h without a display||-h|0|Usage: vardeln [Qt options]|
--version after a Qt option||-stylesheet missing.qss --version|0|vardeln @VERSION@|
an unknown option without a display||--frobnicate|2||vardeln: Unknown option 'frobnicate'.
an unknown single-dash word without a display||-vh2|2||vardeln: Unknown option 'vh2'.
a stray argument without a display||numbers.txt|2||vardeln: unexpected argument 'numbers.txt'.
an unknown option after Qt's options||-style Fusion --reverse -style=Windows --frobnicate|2||vardeln: Unknown option 'frobnicate'.
a Qt option's value is no option||-stylesheet --frobnicate.qss --version|0|vardeln @VERSION@|
a Qt option without its value||-reverse -platform|2||vardeln: Missing value after '-platform'.
an unknown option on a display|QT_QPA_PLATFORM=offscreen|--frobnicate|2||vardeln: Unknown option 'frobnicate'.
TABLE

# Qt's own options are taken: the window opens and runs until stopped.
run "" -platform offscreen -style Fusion -reverse
check_equal "Qt's own options open the window (stopped after 10 s)" "124" "$status"
run "" --platform offscreen -style=Fusion -qwindowtitle Vardeln
check_equal "Qt's options with two hyphens or a joined value (stopped after 10 s)" "124" "$status"

finish_checks
