#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Installs what is missing, builds Vardeln's web page into build-web/site and serves it on
# localhost (PORT, default 8000). The folder is the whole site: copy it to any static host.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
web/build.sh
port="${PORT:-8000}"
echo "Vardeln in the browser: http://localhost:$port/ (the folder build-web/site; Ctrl+C stops)"
exec /usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/site
