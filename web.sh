#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Installs what is missing, builds Vardeln's web page with the web preset and serves it on
# localhost (PORT, default 8000). The folder build-web/web/site is the whole site: copy it to
# any static host.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh all
cmake --preset web >/dev/null
cmake --build --preset web
site=build-web/web/site
port="${PORT:-8000}"
echo "Vardeln in the browser: http://localhost:$port/ (the folder $site; Ctrl+C stops)"
exec /usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site"
