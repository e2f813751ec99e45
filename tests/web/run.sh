#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Builds the page and the native vardeln-convert it is compared with (both by the web preset),
# fetches the test packages and runs the web tests in Debian's Chromium. Arguments go to CTest.
set -euo pipefail
cd "$(dirname "$0")/../.."
tests/web/fetch_test_packages.sh
cmake --preset web >/dev/null
cmake --build --preset web
ctest --preset web "$@"
