#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Lighthouse's four scores for the page on its mobile and desktop presets, in Debian's Chromium.
# Installs Lighthouse for itself (bench/web/lighthouse/package-lock.json; the tests never need
# it). Run after tests/web/run.sh has built the site.
set -euo pipefail
cd "$(dirname "$0")/../.."
lighthouse_dir=bench/web/lighthouse
if [ ! -d "$lighthouse_dir/node_modules" ] ||
   [ "$lighthouse_dir/package-lock.json" -nt "$lighthouse_dir/node_modules" ]; then
  npm ci --prefix "$lighthouse_dir" --no-audit --no-fund --loglevel=error
fi
exec node bench/web/lighthouse_bench.mjs
