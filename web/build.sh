#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Builds the page into build-web/site (or $WEB_BUILD_DIR/site) with Debian's emscripten.
# Arguments go to CMake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${WEB_BUILD_DIR:-build-web}"
# Debian's emscripten runs its JavaScript tools with node and finds their modules (acorn)
# among Debian's node packages; a node from elsewhere does not look there by itself.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
emcmake cmake -S web -B "$build_dir" -G Ninja -DVARDELN_WERROR=ON "$@" >/dev/null
cmake --build "$build_dir"
