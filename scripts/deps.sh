#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Installs the Debian packages Vardeln needs to build, test and package itself.
# Quiet when everything is already there; runs apt-get update once before the first install.
set -euo pipefail

packages=(
  g++ clang libclang-rt-14-dev cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev libxcb1-dev
  libgtest-dev libbenchmark-dev
  fonts-dejavu-core xvfb xdotool xclip x11-utils imagemagick icewm
  desktop-file-utils appstream dpkg-dev file
  qt6-wayland weston wl-clipboard
  dbus at-spi2-core python3-pyatspi
  debhelper lintian fakeroot
  bash-completion zsh fish
  chromium emscripten esbuild
)
# The web page's tests run under Node.js with npm; a machine that already has them from
# elsewhere keeps its own (Debian's npm would clash with a bundled one).
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
