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

# The topics screen with an own list: a portable copy of the game with docs/example-list.txt in its
# lists folder (read at start-up, cut into "Tiere 1" and "Tiere 2"), its first topic selected. The
# selected line keeps turning, so several pictures are taken; keep the one where it faces you.
copy=$(mktemp -d)
cp -r lexadrill gfx "$copy"/
mkdir -p "$copy/data"
cp data/*.ms3d data/*.MS3D data/*.enc data/help.html "$copy/data/" 2>/dev/null || true
mkdir -p "$copy/data/lists"
cp "$docs/example-list.txt" "$copy/data/lists/tiere.txt"
(cd "$copy" && ./lexadrill) &
game=$!
sleep 4
xdotool type --delay 80 "ana"
xdotool key Return
sleep 4
xdotool key Down
sleep 0.5
xdotool key Return
sleep 4
for step in $(seq 12); do xdotool key Down; sleep 0.6; done
sleep 3
for n in 1 2 3 4 5 6; do import -window root "/tmp/lexadrill-own-topics-$n.png"; sleep 0.15; done
kill "$game"
rm -rf "$copy"
for n in 1 2 3 4 5 6; do
    convert "/tmp/lexadrill-own-topics-$n.png" -crop 1536x921+192+80 +repage -resize 50% "/tmp/lexadrill-own-topics-$n.png"
done
echo "own topics: /tmp/lexadrill-own-topics-[1-6].png; copy the best to $docs/own-topics.png"
