#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Installs what building the window needs, builds the two programs (no test, benchmark or
# page) and starts Vardeln.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh window
cmake --preset programs >/dev/null
cmake --build --preset programs
exec ./build-programs/ui/vardeln "$@"
