# Vardeln — MIT licence, see LICENSE.
# Checks for the shell-driven tests: each prints one line, "ok" or "FAIL" with what was
# expected and what was found, and a failed check fails the run at its end without stopping
# the checks after it. Source this file, check, then call finish_checks.

checks_failed=0

pass() { printf 'ok   %s\n' "$1"; }

fail() {
  printf 'FAIL %s\n' "$1"
  checks_failed=1
}

# check_equal DESCRIPTION EXPECTED ACTUAL
check_equal() {
  if [ "$2" = "$3" ]; then
    pass "$1"
  else
    fail "$1"
    printf '       expected: [%s]\n       found:    [%s]\n' "$2" "$3"
  fi
}

# check DESCRIPTION COMMAND... — passes when the command succeeds.
check() {
  local description=$1
  shift
  if "$@"; then pass "$description"; else fail "$description"; fi
}

# Stops the run at once: for failures that leave nothing sensible to check after them.
give_up() {
  fail "$1"
  exit 1
}

finish_checks() { exit "$checks_failed"; }
