#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Fails on any tracked C or C++ file that .clang-format would change, naming the places, so a
# review reads what the change does and never how it is indented.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
