#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Builds the page and the normal build's vardeln-convert it is compared with, fetches the test
# packages and runs the web tests in Debian's Chromium. Arguments go to CTest.
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake --preset default >/dev/null
cmake --build --preset default --target vardeln-convert
tests/web/fetch_test_packages.sh
cmake --preset web >/dev/null
cmake --build --preset web
ctest --preset web "$@"
