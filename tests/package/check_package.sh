#!/usr/bin/env bash
# The installed files validate, the Debian package holds them all, and the
# programs run from the package unpacked into a scratch folder.
set -euo pipefail
source_dir=$1 build_dir=$2
id=io.github.kelvane.Kelvane
desktop-file-validate "$source_dir/data/$id.desktop"
appstreamcli validate --no-net "$source_dir/data/$id.metainfo.xml"
for page in "$source_dir"/docs/man/*.1; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [[ -z "$warnings" ]] || { echo "$page: $warnings"; exit 1; }
done

(cd "$build_dir" && rm -f kelvane_*_amd64.deb && cpack -G DEB >/dev/null)
deb=$(ls "$build_dir"/kelvane_*_amd64.deb)
listing=$(dpkg-deb -c "$deb")
for file in bin/kelvane bin/kelvane-sim share/applications/$id.desktop \
  share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
  share/man/man1/kelvane.1.gz share/man/man1/kelvane-sim.1.gz share/kelvane/demo.sim \
  share/kelvane/exercises/01_first_steps.sim \
  share/doc/kelvane/copyright; do
  grep -q " ./usr/$file\$" <<<"$listing" || { echo "missing from the package: $file"; exit 1; }
done
for size in 16 32 48 64 128 256; do
  grep -q " ./usr/share/icons/hicolor/${size}x$size/apps/$id.png\$" <<<"$listing" ||
    { echo "missing from the package: the $size px icon"; exit 1; }
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || { echo "no Qt dependency found"; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch"
[[ $("$scratch/usr/bin/kelvane" --version) == "Kelvane "* ]]
trace=$("$scratch/usr/bin/kelvane-sim" "$scratch/usr/share/kelvane/demo.sim")
[[ $(head -1 <<<"$trace") == *,* ]]
echo "package: $(basename "$deb") checked"
