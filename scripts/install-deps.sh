#!/usr/bin/env bash
# Installs the Debian packages Lumicord builds and tests with; only the missing ones.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git
    libpcap-dev libjsoncpp-dev libsqlite3-dev libfreexl-dev libgsf-1-dev
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
    fonts-wqy-microhei
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    clang-14 libfuzzer-14-dev libclang-rt-14-dev clang-format
    iproute2 util-linux xvfb xauth libcap2-bin
    xdg-utils
    libspreadsheet-parseexcel-perl libspreadsheet-writeexcel-perl libreoffice-calc-nogui
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    sudo=sudo
else
    sudo=
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq || true
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
