#!/usr/bin/env bash
# Builds the Debian package kelvane_VERSION_amd64.deb in build/ and checks it
# with lintian when lintian is installed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target kelvane kelvane-sim kelvane_man kelvane_changelog
(cd build && cpack -G DEB)
deb=$(ls build/kelvane_*_amd64.deb)
echo "package: $deb"
if command -v lintian >/dev/null; then lintian --no-tag-display-limit "$deb" || true; fi
