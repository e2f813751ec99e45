#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# A build without tests and benchmarks looks up none of the test tools: the programs preset
# (what ./run.sh builds) makes GoogleTest, Google Benchmark and Qt Test unfindable, and still
# configures and builds no test.
# Usage: without_test_tools_test.sh SOURCE_FOLDER
set -euo pipefail
here=$(dirname "$0")
. "$here/../support/checks.sh"
source_dir=$(cd "$1" && pwd)

build=$(mktemp -d "${TMPDIR:-/tmp}/vardeln-no-tests.XXXXXX")
trap 'rm -rf "$build"' EXIT
check "configures with the test tools out of reach" \
  cmake -S "$source_dir" --preset programs -B "$build"
check_equal "no test is registered" "Total Tests: 0" \
  "$(ctest --test-dir "$build" --show-only 2>/dev/null | grep 'Total Tests')"
check "the programs are among the targets" \
  grep -q 'build ui/vardeln:' "$build/build.ninja"

finish_checks
