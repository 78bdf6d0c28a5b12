#!/usr/bin/env bash
# Installs the Debian 12 packages Kelvane needs to build, run and test.
# Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
  build-essential cmake git
  clang libclang-rt-14-dev            # libFuzzer and the sanitizer runtimes
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libqt6opengl6-dev libglu1-mesa-dev libgl1-mesa-dri
  xvfb xauth
  libx11-dev x11-utils                # the lock-key panes (XKB); window checks in the tests
  libsdl2-dev                         # the gamepad helm (game controllers)
  dbus-daemon at-spi2-core python3-pyatspi  # the accessibility trial
  pkg-config libpulse-dev             # the tones, through the sound server
  pulseaudio pulseaudio-utils         # a private sound server and recorder for the tone trial
  desktop-file-utils appstream lintian  # the desktop entry, metainfo and package checks
)

missing=()
for p in "${packages[@]}"; do
  [[ "$p" == \#* ]] && continue
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
else
  echo "setup: all packages present"
fi
