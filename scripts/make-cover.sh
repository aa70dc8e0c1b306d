#!/bin/sh
# Makes the cover picture data/okla.bmp (a Windows bitmap, as the program reads it):
# charged particles on a blue glow, with the program's name.
set -e
cd "$(dirname "$0")/.."
convert -size 480x360 radial-gradient:'#2040c0'-black \
  -fill '#ff3030' -draw 'circle 170,160 170,128' -fill '#30a0ff' -draw 'circle 240,190 240,165' \
  -fill '#ff3030' -draw 'circle 310,150 310,118' -fill '#30a0ff' -draw 'circle 215,120 215,98' \
  -fill '#ffd040' -draw 'circle 280,235 280,220' -fill '#30a0ff' -draw 'circle 350,210 350,188' \
  -fill '#ff3030' -draw 'circle 140,230 140,205' \
  -font DejaVu-Sans-Bold -pointsize 34 -fill white -gravity south -annotate +0+20 'Zentova' \
  -colors 64 -type Palette BMP3:data/okla.bmp
