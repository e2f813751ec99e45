#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Photographs the real program in its IceWM frame: the window after a conversion, the About
# box, and the window at a scale factor of 2, for the documentation.
# Usage: take_screenshots.sh BUILD_FOLDER [PICTURE_FOLDER]
#   The pictures go to PICTURE_FOLDER, by default the build folder's screenshots/; to renew
#   the documentation's pictures, give docs/screenshots.
set -euo pipefail
here=$(dirname "$0")
. "$here/vardeln_driver.sh"
build=$1
pictures=${2:-$build/screenshots}
mkdir -p "$pictures"

place_of() { "$build/cli/vardeln-convert" --list area | grep -nx "$1" | cut -d: -f1; }

# 1 Hectares in Acres, the focus back in the number box.
show_a_conversion() {
  keys BackSpace
  type_text 1
  keys Tab $(presses_down $(($(place_of Hectares) - 1))) Tab Tab
  expect_copy "the window shows 1 Hectares in Acres" \
    "1 Hectares = $("$build/cli/vardeln-convert" area 1 Hectares Acres) Acres"
}

start_x_session

start_vardeln
show_a_conversion
photograph "$main_window" "$pictures/main-window.png" -frame

open_about
photograph "$about_box" "$pictures/about-dialog.png" -frame
keys Escape
stop_vardeln

start_vardeln QT_SCALE_FACTOR=2
show_a_conversion
photograph "$main_window" "$pictures/main-window-scale2.png" -frame

for picture in main-window about-dialog main-window-scale2; do
  echo "$pictures/$picture.png: $(identify -format '%wx%h' "$pictures/$picture.png")"
done
finish_checks
