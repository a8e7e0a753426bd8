#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Tesselo needs,
# toolchain included. Does nothing when all of them are already there.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  libgtest-dev googletest libbenchmark-dev
  qt6-base-dev fonts-dejavu-core
  libcli11-dev nlohmann-json3-dev
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
    || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
