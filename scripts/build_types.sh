#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Builds every build type a packager may choose from a clean folder, warnings as errors, and
# runs the unit tests of each: the type-* workflows of CMakePresets.json, the type None with
# Debian's own flags. Prints one line per build. Too slow for every test run (each is a whole
# build); run it before a release or after a compiler upgrade.
# Usage: scripts/build_types.sh [WORKFLOW...]   (default: all of them)
set -uo pipefail
cd "$(dirname "$0")/.."
workflows=("$@")
[ ${#workflows[@]} -gt 0 ] || workflows=(type-debug type-release type-relwithdebinfo type-minsizerel type-none)
mkdir -p build-types
results=()

run_workflow() (
  # The type None takes a distribution's flags, as dpkg-buildpackage passes them.
  [ "$1" != type-none ] || eval "$(dpkg-buildflags --export=sh)"
  cmake --workflow --preset "$1" --fresh
)

for workflow in "${workflows[@]}"; do
  log=build-types/$workflow.log
  start=$SECONDS
  if run_workflow "$workflow" >"$log" 2>&1; then
    outcome="built, unit tests passed"
  else
    outcome="FAILED (see $log)"
  fi
  results+=("$(printf '%-20s %4d s  %s' "$workflow" $((SECONDS - start)) "$outcome")")
  printf '%s\n' "${results[-1]}"
done

printf '\n%s\n' "${results[@]}"
! printf '%s\n' "${results[@]}" | grep -q FAILED
