#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop reads:
# the entry and the metadata validate, and every file they name is there.
set -euo pipefail
build=$1
id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
for program in corvanta corvanta-cli; do
  [ -x "$prefix/bin/$program" ] || { echo "bin/$program not installed" >&2; exit 1; }
done
"$prefix/bin/corvanta-cli" --version >/dev/null

desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"

grep -qx "Icon=$id" "$share/applications/$id.desktop"
[ -s "$share/icons/hicolor/scalable/apps/$id.svg" ] || { echo "no scalable icon" >&2; exit 1; }
for size in 16 24 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x${size}/apps/$id.png
  # Width and height from the PNG header must match the folder it sits in.
  actual=$(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print("%dx%d" % struct.unpack(">II", d[16:24]))' "$png")
  [ "$actual" = "${size}x${size}" ] || { echo "$png is $actual" >&2; exit 1; }
done
echo "installed tree validates"
