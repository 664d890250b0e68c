#!/usr/bin/env bash
# Installs the Debian packages that vesk needs, and only the missing ones:
#   scripts/deps.sh run    building and running the window (./run.sh)
#   scripts/deps.sh web    that, and building the page (./run.sh --web)
#   scripts/deps.sh        everything, the tests' tools and browser included (./test.sh); then the
#                          browser tests' Playwright, as web/package-lock.json pins it, into
#                          build/node/
set -euo pipefail
cd "$(dirname "$0")/.."
what=${1:-all}

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-l10n-tools libgl-dev libxcb1-dev
    libgtest-dev libgmock-dev libbenchmark-dev libgif-dev
    fonts-noto-cjk fonts-arphic-uming fonts-liberation2 fontconfig
)
[ "$what" = run ] || packages+=(emscripten)
[ "$what" = all ] && packages+=(
    xvfb xdotool x11-utils imagemagick
    desktop-file-utils appstream dpkg-dev file
    chromium poppler-utils
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$p")
done
# npm comes with node where node is not Debian's own.
[ "$what" = all ] && ! command -v npm >/dev/null && missing+=(npm)

install_packages() {
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
}
[ ${#missing[@]} -eq 0 ] || install_packages
[ "$what" = all ] || exit 0

# The browser tests' npm packages go into the build tree, never beside the sources, with the lock
# file they came from kept beside them.
modules=build/node
if ! cmp -s web/package-lock.json "$modules/node_modules/.installed-package-lock.json"; then
    echo "Installing the browser tests' npm packages (npm ci in $modules/)"
    mkdir -p "$modules"
    cp web/package.json web/package-lock.json "$modules/"
    (cd "$modules" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
    cp web/package-lock.json "$modules/node_modules/.installed-package-lock.json"
fi
