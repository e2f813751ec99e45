#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# The window as the window manager gets it: its caption, a size the user cannot change, the
# class its desktop entry names, and a client area of 3450 × 3255 twips under the menu bar,
# at the DPI Qt takes from the display, at twice that DPI and at a scale factor of 2.
# Usage: window_test.sh BUILD_FOLDER
set -euo pipefail
here=$(dirname "$0")
. "$here/vardeln_driver.sh"
build=$1

geometry() { xdotool getwindowgeometry --shell "$main_window" | sed -n "s/^$1=//p"; }

# check_client_area HOW SCALE — the client area at Qt's DPI, times the scale factor.
check_client_area() {
  local dpi width height top
  dpi=$(qt_dpi)
  width=$(geometry WIDTH)
  height=$(geometry HEIGHT)
  photograph "$main_window" "$session_dir/window.png"
  top=$(client_top "$session_dir/window.png")
  check_equal "$1: client width, 3450 twips at $dpi DPI × $2" \
    "$(($(twips_to_pixels 3450 "$dpi") * $2))" "$width"
  check_equal "$1: client height under the menu bar, 3255 twips at $dpi DPI × $2" \
    "$(($(twips_to_pixels 3255 "$dpi") * $2))" "$((height - top))"
}

start_x_session

start_vardeln
check_equal "caption" "$(main_caption)" "$(xdotool getwindowname "$main_window")"
size_hints=$(xprop -id "$main_window" WM_NORMAL_HINTS)
own_size="$(geometry WIDTH) by $(geometry HEIGHT)"
check_equal "the user cannot make it smaller" "$own_size" \
  "$(sed -n 's/.*minimum size: //p' <<<"$size_hints")"
check_equal "the user cannot make it larger" "$own_size" \
  "$(sed -n 's/.*maximum size: //p' <<<"$size_hints")"
entry_class=$(sed -n 's/^StartupWMClass=//p' "$here/../../../packaging/desktop/org.vardeln.Vardeln.desktop.in")
check_equal "the desktop entry names the window's class" \
  "WM_CLASS(STRING) = \"$entry_class\", \"$entry_class\"" "$(xprop -id "$main_window" WM_CLASS)"
check_client_area "at the display's DPI" 1
stop_vardeln

xprop -root -format RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	192"
start_vardeln
check_client_area "at twice the DPI" 1
stop_vardeln
xprop -root -remove RESOURCE_MANAGER

start_vardeln QT_SCALE_FACTOR=2
check_client_area "at scale factor 2" 2

finish_checks
