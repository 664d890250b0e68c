#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running need, and only the missing ones.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-l10n-tools libgl-dev libxcb1-dev
    libgtest-dev libgmock-dev libbenchmark-dev libgif-dev
    fonts-noto-cjk fonts-arphic-uming fonts-liberation2 fontconfig
    xvfb xdotool x11-utils imagemagick
    desktop-file-utils appstream dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    run=()
elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    run=(sudo)
else
    echo "error: cannot install packages (not root and no sudo); please install: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${run[@]}" apt-get update -qq
"${run[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
