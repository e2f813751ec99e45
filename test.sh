#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Installs what is missing, builds Vardeln and runs its whole test suite.
#
# With no arguments (as CI runs it) it first checks that every C and C++ file is formatted as
# .clang-format says (scripts/check_format.sh), then runs these workflows of CMakePresets.json in turn
# (configure, build, test), stopping at the first failure:
#   default        the normal build in build/ and every test, the Debian package and the
#                  window on X11, Wayland and the accessibility bus included;
#   release,       the Release builds with g++ (everything, -O3) and clang (the engine, the
#   clang-release  converter model and the command line), warnings as errors, and the
#                  headless tests that hold every rule to the last bit;
#   sanitize       AddressSanitizer, UndefinedBehaviorSanitizer and leak detection, and every
#                  test that needs no display or package tools;
#   fuzz           clang's libFuzzer and each fuzz target for about a minute;
#   web            the engine and the converter model as WebAssembly, the page tested in
#                  Chromium against a native vardeln-convert it builds in its own folder;
#   windows        vardeln-convert.exe cross-built with mingw-w64, held under wine to the
#                  engine's and the command line's tests and to the process tests, which it
#                  builds natively in its own folder, then packed as a zip.
# Each workflow stands alone: none reads another's build folder, so any one of them runs by
# itself from a fresh clone (the web workflow after tests/web/fetch_test_packages.sh).
#
# With arguments only the normal build runs, and the arguments go to its CTest, for a quick
# run while working: ./test.sh -L unit for the fast headless tests, ./test.sh -R Hostile for
# one group.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh all

if [ $# -gt 0 ]; then
  cmake --preset default >/dev/null
  cmake --build --preset default
  exec ctest --preset default "$@"
fi

stage() { printf '\n== %s (%s)\n' "$1" "$(date +%T)"; }

# The format first: it takes a second, and a review then reads only what a change does.
stage "format"
scripts/check_format.sh

for workflow in default release clang-release sanitize fuzz web windows; do
  # A workflow runs no npm: the page's test packages are fetched before it.
  [ "$workflow" != web ] || tests/web/fetch_test_packages.sh
  stage "workflow $workflow"
  cmake --workflow --preset "$workflow"
done

stage "the Windows zip"
packaging/windows/pack_zip.sh

stage "all stages passed"
