#!/bin/bash
# Takes the README's screenshots of a built game on a virtual 1920 x 1080 display:
#   xvfb-run -a -s "-screen 0 1920x1080x24" docs/screenshots.sh build
# The loading window is 480 x 270 at (720, 405); the play window 1536 x 921 at (192, 80).
set -e
build=$(realpath "${1:-build}")
docs=$(dirname "$(realpath "$0")")
shot() { import -window root "$1"; }

cd "$build"
./lexadrill &
game=$!
sleep 0.2
shot /tmp/lexadrill-loading.png
sleep 3
window=$(xdotool search --name lexaDRILL | head -1)
xdotool windowactivate --sync "$window" || true
xdotool type --delay 80 "ana maria"
sleep 1.5
shot /tmp/lexadrill-username.png
xdotool key Return
sleep 5
shot /tmp/lexadrill-menu.png
kill "$game"

convert /tmp/lexadrill-loading.png -crop 480x270+720+405 +repage "$docs/loading.png"
convert /tmp/lexadrill-username.png -crop 1536x921+192+80 +repage -resize 50% "$docs/username.png"
convert /tmp/lexadrill-menu.png -crop 1536x921+192+80 +repage -resize 50% "$docs/main-menu.png"
