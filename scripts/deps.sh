#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Installs the Debian packages Vardeln needs; quiet when everything is already there, and runs
# apt-get update once before the first install.
#   scripts/deps.sh window   what building and starting the window needs (./run.sh)
#   scripts/deps.sh all      everything the tests, the packaging and the page need (./test.sh)
set -euo pipefail

window_packages=(g++ cmake ninja-build pkg-config python3 libboost-dev libicu-dev qt6-base-dev qt6-qpa-plugins libgl-dev libxcb1-dev)
test_packages=(
  clang clang-format libclang-rt-14-dev
  libgtest-dev libbenchmark-dev nlohmann-json3-dev gcovr
  fonts-dejavu-core xvfb xdotool xclip x11-utils imagemagick icewm
  desktop-file-utils appstream dpkg-dev file
  qt6-wayland weston wl-clipboard
  dbus at-spi2-core python3-pyatspi
  debhelper lintian fakeroot
  bash-completion zsh fish
  chromium emscripten esbuild
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest wine wine64 zip
)

case "${1:-}" in
  window) packages=("${window_packages[@]}") ;;
  all)
    packages=("${window_packages[@]}" "${test_packages[@]}")
    # The web page's tests run under Node.js with npm; a machine that already has them from
    # elsewhere keeps its own (Debian's npm would clash with a bundled one).
    command -v node >/dev/null || packages+=(nodejs)
    command -v npm >/dev/null || packages+=(npm)
    ;;
  *) echo "Usage: $0 window|all" >&2; exit 2 ;;
esac

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
