#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Renders the scalable icon at the sizes desktops look for in the hicolor theme (their
# launchers and docks ask for 48 × 48 first). Needs rsvg-convert (Debian's librsvg2-bin);
# the build installs the committed PNGs and never runs this.
set -euo pipefail
cd "$(dirname "$0")"
for size in 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --output "vardeln-$size.png" vardeln.svg
done
