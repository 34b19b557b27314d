#!/usr/bin/env bash
# Installs the Debian packages a task needs that are not there yet.
# Usage: scripts/install-deps.sh [run|test] [extra-package ...]
#   run:  what building and running the viewer, speechlist and speechpack needs
#   test: that, and what the tests need (GoogleTest, clang, a virtual
#         display, fonts with the glyphs of the double-byte code pages'
#         texts, Unicode's data for the case-folding table); the default
set -euo pipefail

profile=test
case "${1:-}" in run | test) profile=$1; shift ;; esac
packages=(cmake ninja-build g++ qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n rapidjson-dev)
[ "$profile" = test ] && packages+=(clang clang-format libgtest-dev libgmock-dev python3 xvfb xdotool imagemagick
                                   fonts-wqy-microhei unicode-data locales)
packages+=("$@")

echo "==> Checking the Debian packages: ${packages[*]}"
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "==> Installing: ${missing[*]} (this takes a minute or two)"
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
if ! "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/tmp/speech-apt.log 2>&1; then
  cat /tmp/speech-apt.log >&2
  echo "Installing the packages failed; apt-get's messages above say why." >&2
  exit 1
fi
