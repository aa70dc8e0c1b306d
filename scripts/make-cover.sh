#!/bin/sh
# Makes the cover picture data/okla.bmp from the sources: the program draws the final state
# of the showpiece example (data/zen6.zpr with its .sta) on a deep blue background, and the
# program's name is set under it. A Windows bitmap (BMP3, 256-colour palette), as the cover
# screen reads it. Also makes the desktop icon packaging/zentova.png from the same picture.
#
#   sh scripts/make-cover.sh [ZENTOVA]     (default: build/src/zentova)
#
# Needs ImageMagick's convert, and a display or Xvfb (package xvfb) for the picture.
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
zentova="$(cd "$(dirname "${1:-$root/build/src/zentova}")" && pwd)/$(basename "${1:-zentova}")"
[ -x "$zentova" ] || { echo "$zentova is missing: build first (make build)" >&2; exit 2; }
work="$(mktemp -d "${TMPDIR:-/tmp}/zentova-cover-XXXXXX")"
trap 'rm -rf "$work"' EXIT

cp "$root/data/zen6.zpr" "$root/data/zen6.sta" "$work/"
# A deep blue background, fog on, cube edges on; step and damping as at start-up.
printf '8\r\n16\r\n64\r\nTAK\r\nTAK\r\n 5.00000000000000E-0005\r\n 2.00000000000000E+0001\r\n\r\n' \
  > "$work/setupek.dat"
(cd "$work" && "$zentova" --snapshot zen6.zpr scene.png)

# 800 x 700 scene: the cube's middle, 480 x 360, with the title under it.
convert "$work/scene.png" -gravity center -crop 640x480+0+20 +repage -resize 480x360 \
  -font DejaVu-Sans-Bold -pointsize 30 -fill white -stroke '#1a3a8a' -strokewidth 1 \
  -gravity south -annotate +0+12 'Zentova' \
  -colors 256 -type Palette -compress None BMP3:"$root/data/okla.bmp"
convert "$work/scene.png" -gravity center -crop 320x320+0+0 +repage -resize 128x128 \
  "$root/packaging/zentova.png"
echo "$root/data/okla.bmp $root/packaging/zentova.png"
