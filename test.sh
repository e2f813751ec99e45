#!/usr/bin/env bash
# Installs what is missing, builds Vardeln and runs its whole test suite.
# Pass CTest options to narrow it, e.g. ./test.sh -L unit for the fast headless tests.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
./scripts/build.sh
ctest --test-dir build --output-on-failure "$@"
