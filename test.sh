#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Installs what is missing, builds Vardeln and runs its whole test suite.
#
# With no arguments (as CI runs it) there are five stages, each stopping the script on its
# first failure:
#   1. the normal build in build/ and every test, the Debian package and the window on X11,
#      Wayland and the accessibility bus included;
#   2. the Release builds with g++ (build-release/, everything, -O3) and clang
#      (build-clang-release/, the engine and the command line), warnings as errors, and the
#      headless tests that hold every rule to the last bit;
#   3. the sanitizer build in build-sanitize/ (AddressSanitizer, UndefinedBehaviorSanitizer,
#      leak detection) and every test that needs no display or package tools;
#   4. the fuzz build in build-fuzz/ (clang, libFuzzer) and each fuzz target for about a
#      minute (VARDELN_FUZZ_SECONDS at configure time changes that);
#   5. the web page: the engine built as WebAssembly and the page tested in Chromium.
#
# With arguments only stage 1 runs, and the arguments go to its CTest, for a quick run while
# working: ./test.sh -L unit for the fast headless tests, ./test.sh -R Hostile for one group.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh

stage() { printf '\n== %s (%s)\n' "$1" "$(date +%T)"; }

stage "normal build and all tests"
./scripts/build.sh
ctest --test-dir build --output-on-failure --parallel 2 "$@"
if [ $# -gt 0 ]; then exit 0; fi

stage "Release builds with g++ and clang, warnings as errors"
for preset in release clang-release; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

stage "sanitizer build and headless tests"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize

stage "fuzz build and a short run of each target"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz

stage "web page in Chromium"
VARDELN_NATIVE_BUILD=build tests/web/run.sh

stage "all stages passed"
