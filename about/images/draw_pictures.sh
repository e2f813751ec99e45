#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Draws the program's pictures with ImageMagick, so they can be redrawn from source:
#   vardeln.png        the 32 × 32 program icon, at most 16 colours (4-bit palette), as
#                      installed and on the web page
#   vardeln.bmp        the same icon, pixel for pixel, as the window reads it
#   about_picture.png  the About box picture, 168 × 89, 256-colour (8-bit) palette
# Run from anywhere; writes beside this script. The build only uses the committed files.
set -euo pipefail
cd "$(dirname "$0")"

# The icon: two opposed arrows (a value going in, its conversion coming out) over a ruler.
convert -size 32x32 xc:none +antialias \
  -fill '#1d4f91' -stroke '#0c2a52' -strokewidth 1 -draw 'roundrectangle 1,1 30,30 5,5' \
  -stroke none \
  -fill '#ffffff' -draw 'rectangle 6,7 19,9' -draw 'polygon 19,3 25,8 19,13' \
  -fill '#ffa733' -draw 'rectangle 12,14 25,16' -draw 'polygon 12,10 6,15 12,20' \
  -fill '#ffd83d' -stroke '#6b4d00' -draw 'rectangle 3,21 28,27' \
  -stroke none -fill '#3a2a00' \
  -draw 'line 6,22 6,25' -draw 'line 9,22 9,23' -draw 'line 12,22 12,25' \
  -draw 'line 15,22 15,23' -draw 'line 18,22 18,25' -draw 'line 21,22 21,23' \
  -draw 'line 24,22 24,25' \
  +dither -colors 16 -define png:color-type=3 -define png:bit-depth=4 \
  -define png:exclude-chunks=date,time PNG8:vardeln.png
# The window shows the icon from the moment it opens. Qt reads a BMP with its own few lines of
# code; a PNG would bring the PNG decoder and zlib into the program for that alone.
convert vardeln.png BMP:vardeln.bmp

# The About picture: the name on a blue-to-teal ground above a ruler marked every sixth pixel,
# with a long tick every ten marks and a middle one halfway between.
ticks=()
for x in $(seq 10 6 158); do
  mark=$(((x - 10) / 6))
  if ((mark % 10 == 0)); then length=8; elif ((mark % 5 == 0)); then length=6; else length=3; fi
  ticks+=(-draw "line $x,70 $x,$((70 + length))")
done
convert -size 89x168 gradient:'#0d2b5c'-'#1f7a8c' -rotate 90 \
  -font DejaVu-Sans-Bold -pointsize 30 \
  -fill '#06162f' -annotate +13+41 'Vardeln' \
  -fill '#ffffff' -annotate +11+39 'Vardeln' \
  -font DejaVu-Sans -pointsize 11 -fill '#cfe6ff' -annotate +13+57 'unit converter' \
  -fill '#ffd83d' -stroke '#6b4d00' -draw 'rectangle 6,68 161,84' \
  -stroke '#3a2a00' "${ticks[@]}" \
  +dither -colors 256 -define png:color-type=3 -define png:bit-depth=8 \
  -define png:exclude-chunks=date,time PNG8:about_picture.png
