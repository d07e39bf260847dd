#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need, and only those
# that are missing. Works as root or through sudo. The package list lives here only.
set -euo pipefail

PACKAGES=(
    g++ cmake ninja-build make
    qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core
    qt6-translations-l10n desktop-file-utils appstream
    clang-14 libclang-rt-14-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
