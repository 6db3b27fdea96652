#!/bin/sh
# Lays every generated picture of a built game folder side by side in one labelled image, each
# stretched to the aspect of the plane the game draws it on (the files themselves have
# power-of-two sizes). Usage: tools/contact_sheet.sh <build folder> <output.png>
set -eu
gfx=$(cd "$1/gfx" && pwd)
out=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# name, width and height on the sheet (plane aspect)
shape() { convert "$gfx/$1" -resize "$2x$3!" -set label "$1\n$(identify -format '%wx%h' "$gfx/$1")" \
    "$work/$(printf '%02d' "$4").png"; }
shape loading.jpg 256 128 1
shape mirror.jpg 256 96 2
shape glowny_bg.jpg 256 256 3
shape infoscreen_free.jpg 256 256 4
shape blocked.jpg 256 51 5
shape "flag uk.jpg" 256 128 6
shape "flag spain.jpg" 192 128 7
shape particle.tga 128 128 8
shape icon.bmp 64 64 9
i=10
for picture in "$gfx"/tem/*.jpg; do
    shape "tem/$(basename "$picture")" 205 256 "$i"
    i=$((i + 1))
done
montage "$work"/*.png -font DejaVu-Sans -pointsize 13 -background '#6b6b6b' -fill white \
    -geometry '256x256>+6+6' -tile 7x -depth 8 "$out"
