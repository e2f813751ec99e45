#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Fetches the page's test packages from npm (playwright-core drives Chromium, axe-core checks
# it; no browser is downloaded) when web/package-lock.json is newer than what is installed.
set -euo pipefail
cd "$(dirname "$0")/../.."
if [ ! -d web/node_modules ] || [ web/package-lock.json -nt web/node_modules ]; then
  npm ci --prefix web --no-audit --no-fund --loglevel=error
fi
