#!/usr/bin/env bash
# Installs the Debian packages the project needs that are not there yet.
# Usage: scripts/install-deps.sh [extra-package ...]
set -euo pipefail

packages=(cmake ninja-build g++ clang libgtest-dev libgmock-dev qt6-base-dev xvfb xdotool imagemagick "$@")

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null; then
    sudo=(sudo)
  else
    echo "These Debian packages are missing and this is not root: ${missing[*]}" >&2
    exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
