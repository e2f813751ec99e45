#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Photographs the real program in its IceWM frame: the window after a conversion, the About
# box, the window at a scale factor of 2, and with a style sheet's larger font of 12 and
# 14 points showing its longest unit label and a long negative result, for the documentation.
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

# -1.23456789012345e-300 Rod-Perch-Pole Square, the longest label, in Acres: a result
# with a sign and an exponent, longer than most.
show_long_texts() {
  local number=-1.23456789012345e-300 from="Rod-Perch-Pole Square"
  keys BackSpace
  type_text "$number"
  keys Tab $(presses_down $(($(place_of "$from") - 1))) Tab Tab
  expect_copy "the window shows $number $from in Acres" \
    "$number $from = $("$build/cli/vardeln-convert" area "$number" "$from" Acres) Acres"
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

stop_vardeln

for points in 12 14; do
  printf '* { font-size: %spt; }\n' "$points" >"$session_dir/font-$points.qss"
  start_vardeln -- -stylesheet "$session_dir/font-$points.qss"
  show_long_texts
  photograph "$main_window" "$pictures/main-window-${points}pt.png" -frame
  stop_vardeln
done

for picture in main-window about-dialog main-window-scale2 main-window-12pt main-window-14pt; do
  echo "$pictures/$picture.png: $(identify -format '%wx%h' "$pictures/$picture.png")"
done
finish_checks
