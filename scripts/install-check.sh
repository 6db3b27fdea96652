#!/usr/bin/env bash
# The installed game, as a player who cannot write it:
#
#   scripts/install-check.sh [build folder]        default: build (it is not built here)
#
# 1. installs the build into a temporary prefix and checks the tree, the desktop entry and the
#    AppStream data;
# 2. makes the tree read-only and, as an unprivileged user (nobody, when run as root), plays a
#    passed test through the installed tree on the headless platform: the repetition files and the
#    hall of fame appear in the player's data folder with their designed bytes, and the next start
#    reads the progress back (InstalledGameTest, run from a copy of the test executable in the
#    temporary folder, so the checkout may lie where that user cannot go, such as /root); its
#    answers are spoken through the real speech service (speech-dispatcher, started as that user on
#    a socket of its own and playing to libao's null device: its log shows the words received in
#    Spanish, synthesised by the espeak-ng voice and played to their end);
# 3. starts the installed executable in a real X window (Xvfb) as that user: it says on standard
#    error where progress is kept, and its window shows a name typed and the main menu;
# 4. checks that nothing was written into the installed tree;
# 5. builds the Debian package and checks its file list and that lintian finds no error or warning.
# Logs, the package's file list and the screenshot stay in <build>/install-check/.
set -euo pipefail
cd "$(dirname "$0")/.."

# Inside Xvfb: starts the installed game as the player, types a name, takes the main menu's
# screenshot and ends the game with SIGTERM.
if [ "${1:-}" = --window ]; then
    prefix=$2 out=$3
    as_player=()
    [ "$(id -u)" -ne 0 ] || as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    "${as_player[@]}" env HOME="$HOME" "$prefix/games/lexadrill" >"$out/game.log" 2>&1 &
    game_pid=$!
    trap 'kill -KILL "$game_pid" 2>/dev/null || true' EXIT
    window=
    for _ in $(seq 600); do
        window=$(xdotool search --name '^lexaDRILL$' 2>/dev/null | head -n 1) || true
        [ -n "$window" ] && break
        kill -0 "$game_pid" 2>/dev/null || exit 1
        sleep 0.1
    done
    [ -n "$window" ] || exit 1
    sleep 8  # the loading step, the growth to the play window and the name screen's entry
    xdotool windowfocus --sync "$window"
    xdotool type --delay 80 "installed"
    xdotool key Return
    sleep 5
    kill -0 "$game_pid" 2>/dev/null || exit 1
    import -window root "$out/installed-game.png"
    kill -TERM "$game_pid"
    wait "$game_pid"
    exit
fi

build=$(cd "${1:-build}" && pwd)
out=$build/install-check
app_id=example.lexadrill.lexadrill
rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d /tmp/lexadrill-install-XXXXXX)
game_pid=
speech_pid=
cleanup() {
    if [ -n "$game_pid" ]; then kill -KILL "$game_pid" 2>/dev/null || true; fi
    if [ -n "$speech_pid" ]; then kill -KILL -- "-$speech_pid" 2>/dev/null || true; fi
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"

fail() {
    echo "install-check: FAILED: $*" >&2
    exit 1
}

# Permissions do not bind root: the player is then nobody.
as_player=()
if [ "$(id -u)" -eq 0 ]; then
    as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
home=$work/home
mkdir -p "$home"
[ "$(id -u)" -ne 0 ] || chown 65534:65534 "$home"

# 1. The tree.
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$out/install.log"
expected=(games/lexadrill share/lexadrill/data/words_free.enc share/lexadrill/data/help.html
    share/lexadrill/data/arrow_up.MS3D share/lexadrill/gfx/icon.bmp "share/lexadrill/gfx/tem/time.jpg"
    share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml share/mime/packages/lexadrill.xml share/man/man6/lexadrill.6.gz
    share/doc/lexadrill/copyright share/doc/lexadrill/changelog.gz)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/lexadrill.png")
done
for file in "${expected[@]}"; do
    [ -f "$prefix/$file" ] || fail "the installed tree has no $file"
done
[ -x "$prefix/games/lexadrill" ] || fail "games/lexadrill is not executable"
saved=$(find "$prefix" -name '*_rep.dat' -o -name 'hof.hof' -o -name '*.tmp')
[ -z "$saved" ] || fail "saved files were installed: $saved"
desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" >"$out/appstream.log" ||
    fail "appstreamcli validate: $(cat "$out/appstream.log")"
# The installed type definition makes a .kvtml file application/x-kvtml, the type the entry declares;
# the database is built outside the tree, as the package's trigger builds the system's.
mkdir -p "$work/mime-data/mime/packages"
cp "$prefix/share/mime/packages/lexadrill.xml" "$work/mime-data/mime/packages/"
update-mime-database "$work/mime-data/mime" >"$out/mime.log" 2>&1 || fail "update-mime-database: $(cat "$out/mime.log")"
printf '<?xml version="1.0"?>\n<kvtml version="2.0"></kvtml>\n' >"$work/words.kvtml"
kvtml_type=$(XDG_DATA_HOME="$work/mime-data" XDG_DATA_DIRS="$work/mime-data:/usr/share" xdg-mime query filetype "$work/words.kvtml")
[ "$kvtml_type" = application/x-kvtml ] || fail "xdg-mime gives $kvtml_type for a .kvtml file"
grep -q '^MimeType=.*application/x-kvtml' "$prefix/share/applications/$app_id.desktop" || fail "the menu entry takes no KVTML"
echo "install-check: tree laid out under $prefix, desktop entry and AppStream data valid, .kvtml is application/x-kvtml"

chmod -R a-w "$prefix"
manifest() { find "$prefix" -printf '%P %y %s %m %T@\n' | sort; }
manifest >"$out/tree-before.txt"

# 2. A passed test through the installed tree, headless, speaking to the player's own speech service.
# The player may not be able to reach the checkout (in /root, or any folder of mode 0700): the test
# executable runs from a copy beside the installed tree, and the test reads its content from that
# tree only. There is no sound device here: the service plays through libao's null driver, so each
# word is synthesised and played to its end (a service left without any audio output never
# finishes one).
cp "$build/tests/lexadrill_tests" "$work/lexadrill_tests"
chmod 755 "$work/lexadrill_tests"
speech=$work/speech
mkdir -p "$speech/log"
cp -r /etc/speech-dispatcher "$speech/config"
echo 'AudioOutputMethod "libao"' >>"$speech/config/speechd.conf"
echo 'default_driver=null' >"$speech/.libao"
[ "$(id -u)" -ne 0 ] || chown -R 65534:65534 "$speech"
# In a session of its own: at its end the service signals its whole process group.
setsid "${as_player[@]}" env HOME="$speech" XDG_RUNTIME_DIR="$speech" speech-dispatcher --run-single \
    --timeout 300 --config-dir "$speech/config" --log-level 5 --log-dir "$speech/log" \
    --communication-method unix_socket \
    --socket-path "$speech/speech.sock" --pid-file "$speech/pid" >"$out/speech-service.log" 2>&1 &
speech_pid=$!
for _ in $(seq 100); do
    [ -S "$speech/speech.sock" ] && break
    sleep 0.1
done
[ -S "$speech/speech.sock" ] || fail "the speech service did not start ($out/speech-service.log)"
"${as_player[@]}" env HOME="$home" SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy \
    LEXADRILL_SPEECH_SERVICE="unix_socket:$speech/speech.sock" \
    LEXADRILL_INSTALLED_GAME="$prefix/games/" "$work/lexadrill_tests" \
    --gtest_also_run_disabled_tests --gtest_filter='InstalledGameTest.*' >"$out/play.log" 2>&1 ||
    fail "the installed game's play-through ($out/play.log): $(tail -n 30 "$out/play.log")"
grep -q '\[  PASSED  \] 1 test' "$out/play.log" || fail "the play-through did not run ($out/play.log)"
echo "install-check: a passed test kept its files in the player's folder and the next start read them"
sleep 1  # the last word's synthesis
# The service does not always end on SIGTERM; its session (it and its voice modules) is ended whole.
kill -KILL -- "-$speech_pid" 2>/dev/null || true
wait "$speech_pid" 2>/dev/null || true
speech_pid=
speech_log=$speech/log/speech-dispatcher.log
grep -a -E 'DATA:\|(SET SELF (CLIENT_NAME|LANGUAGE)|CANCEL)|Queueing message|desired output module is|Got audio|to audio\.' \
    "$speech_log" >"$out/speech-heard.txt" || true
grep -q 'CLIENT_NAME ".*:lexadrill:main"' "$out/speech-heard.txt" || fail "the game never reached the speech service"
grep -q 'SET SELF LANGUAGE es' "$out/speech-heard.txt" || fail "the game did not ask for Spanish"
words=$(grep -c 'Queueing message' "$out/speech-heard.txt") || fail "the speech service received no word"
grep -q 'desired output module is espeak-ng' "$out/speech-heard.txt" || fail "no espeak-ng voice took the words"
grep -q 'Got audio' "$out/speech-heard.txt" || fail "the voice synthesised nothing"
played=$(grep -c 'Sent to audio\.' "$out/speech-heard.txt") || fail "nothing was played"
first=$(grep -m 1 -o 'Queueing message |[^|]*|' "$out/speech-heard.txt" | cut -d'|' -f2)
echo "install-check: the speech service received $words words in Spanish (the first: \"$first\"); espeak-ng" \
    "synthesised them and $played blocks of samples went to the audio output (libao's null device here)"

# 3. The installed executable in a real window (the display lets any user in: -ac).
HOME="$home" timeout 180 xvfb-run -a -s "-ac -screen 0 1920x1080x24" "$0" --window "$prefix" "$out" ||
    fail "the installed executable in a window ($out/game.log): $(tail -n 20 "$out/game.log")"
grep -qF "progress is kept in $home/.local/share/lexadrill/" "$out/game.log" ||
    fail "the game did not say where progress is kept ($out/game.log)"
echo "install-check: the installed executable showed its menu; it said: $(head -n 1 "$out/game.log")"

# 4. Nothing written into the installed tree.
manifest >"$out/tree-after.txt"
diff "$out/tree-before.txt" "$out/tree-after.txt" >"$out/tree-diff.txt" ||
    fail "the installed tree changed: $(cat "$out/tree-diff.txt")"
echo "install-check: the installed tree is unchanged"

# 5. The Debian package.
rm -f "$build"/lexadrill_*.deb
(cd "$build" && cpack -G DEB) >"$out/cpack.log" 2>&1 || fail "cpack ($out/cpack.log)"
deb=$(ls "$build"/lexadrill_*_*.deb)
dpkg-deb -I "$deb" >"$out/package-info.txt"
dpkg-deb -c "$deb" | sed -E 's/^([^ ]+ +){5}//' | sort >"$out/package-files.txt"
for file in "${expected[@]}"; do
    grep -qxF "./usr/$file" "$out/package-files.txt" || fail "the package has no /usr/$file"
done
grep -q '^ Depends: .*fonts-crosextra-carlito' "$out/package-info.txt" || fail "the package does not depend on the font"
grep -q '^ Depends: .*libgl1' "$out/package-info.txt" || fail "the package does not depend on the GLX library"
grep -q '^ Depends: .*libsdl2' "$out/package-info.txt" || fail "the package's library dependencies are missing"
grep -q '^ Depends: .*libsqlite3-0' "$out/package-info.txt" || fail "the package does not depend on SQLite"
grep -q '^ Recommends: .*speech-dispatcher-espeak-ng' "$out/package-info.txt" || fail "the package does not recommend speech"
lintian --fail-on error,warning "$deb" >"$out/lintian.txt" 2>&1 || fail "lintian: $(cat "$out/lintian.txt")"
echo "install-check: $(basename "$deb") built; lintian finds no error or warning"
echo "install-check: passed"
