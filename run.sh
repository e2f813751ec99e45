#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Installs what is missing, builds Vardeln and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
./scripts/build.sh
exec ./build/ui/vardeln "$@"
