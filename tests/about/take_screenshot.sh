#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Photographs the About box on a virtual X display for the documentation.
# Usage: tests/about/take_screenshot.sh [build folder] [picture]
#   defaults: build, docs/screenshots/about-dialog.png
# Needs Xvfb, xdotool and ImageMagick. With IceWM installed the picture includes the window
# frame, which shows the caption and the lone close button; without it, only the client area.
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${1:-build}"
picture="${2:-docs/screenshots/about-dialog.png}"

display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
export DISPLAY=":$display"

pids=()
trap 'for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done' EXIT
Xvfb "$DISPLAY" -screen 0 640x400x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

if command -v icewm >/dev/null; then
  icewm >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
fi

QT_QPA_PLATFORM=xcb "$build/tests/about/about_screenshot" >/dev/null 2>&1 &
pids+=($!)
window=$(xdotool search --sync --onlyvisible --name '^About Vardeln v1\.3$' | head -n 1)
sleep 1  # let the window manager frame it and Qt paint it

mkdir -p "$(dirname "$picture")"
import -frame -window "$window" -define png:exclude-chunks=date,time "$picture"
echo "$picture: $(identify -format '%wx%h' "$picture")"
