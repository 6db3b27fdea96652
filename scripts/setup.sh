#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test the game. Only the missing ones
# are installed, so running it again on a ready machine does nothing.
set -euo pipefail

PACKAGES=(
    cmake ninja-build pkg-config g++ clang libclang-rt-14-dev
    libsdl2-dev libgl-dev libglu1-mesa-dev libgl1-mesa-dri libegl-mesa0 libglx-mesa0
    libjpeg62-turbo-dev libxml2-dev libcld2-dev libfreetype-dev libfontconfig-dev fonts-crosextra-carlito fonts-dejavu-core libcairo2-dev
    libspeechd-dev speech-dispatcher speech-dispatcher-espeak-ng libsqlite3-dev
    googletest libgtest-dev libbenchmark-dev
    xvfb xauth xdotool imagemagick openbox
    dpkg-dev fakeroot file lintian desktop-file-utils appstream
    shared-mime-info xdg-utils libfile-mimeinfo-perl
)

missing=()
for package in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
