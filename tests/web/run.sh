#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Builds the page and the native vardeln-convert it is compared with, fetches the test
# packages (playwright-core, axe-core; no browser) and runs the web tests in Debian's Chromium.
# VARDELN_NATIVE_BUILD names a native build folder that already holds vardeln-convert (for
# example build/, after the normal build); else build-webnative/ is built. Arguments go to CTest.
set -euo pipefail
cd "$(dirname "$0")/../.."
native_dir="${VARDELN_NATIVE_BUILD:-build-webnative}"
if [ ! -x "$native_dir/cli/vardeln-convert" ] || [ "$native_dir" = build-webnative ]; then
  cmake -S . -B "$native_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARDELN_WERROR=ON \
    >/dev/null
  cmake --build "$native_dir" --target vardeln-convert
fi
if [ ! -d web/node_modules ] || [ web/package-lock.json -nt web/node_modules ]; then
  npm ci --prefix web --no-audit --no-fund --loglevel=error
fi
web/build.sh -DVARDELN_CONVERT="$PWD/$native_dir/cli/vardeln-convert"
ctest --test-dir build-web -L web --output-on-failure "$@"
