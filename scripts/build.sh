#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Configures and builds Vardeln into build/ (or the folder given as $BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${BUILD_DIR:-build}"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVARDELN_WERROR=ON -DVARDELN_BUILD_BENCHMARKS=ON "$@" >/dev/null
cmake --build "$build_dir"
