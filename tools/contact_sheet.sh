#!/bin/sh
# Lays every generated picture of a built game folder side by side in one labelled image.
# Usage: tools/contact_sheet.sh <build folder> <output.png>
set -eu
build=$1
out=$2
cd "$build/gfx"
montage -label '%f\n%wx%h' -font DejaVu-Sans -pointsize 13 -background '#6b6b6b' -fill white \
  loading.jpg mirror.jpg glowny_bg.jpg infoscreen_free.jpg blocked.jpg "flag uk.jpg" \
  "flag spain.jpg" particle.tga icon.bmp tem/*.jpg \
  -geometry 256x256+6+6 -tile 7x -depth 8 "$out"
