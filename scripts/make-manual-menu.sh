#!/bin/sh
# Draws the manual's picture of the main menu, data/manual/menu.png: the program on a virtual
# screen of 960 x 550 with the showpiece loaded, its summary and menu shrunk to 560 x 321.
# Needs xvfb-run and ImageMagick's import.
#   sh scripts/make-manual-menu.sh build/src/zentova
set -eu
exe=$(realpath "${1:-build/src/zentova}")
data=$(cd "$(dirname "$0")/../data" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$data"/zen6.* "$data"/okla.bmp "$work"/
cat > "$work/shoot.sh" <<'INNER'
#!/bin/sh
cd "$1"
"$2" zen6.zpr 2> /dev/null &
pid=$!
sleep 6
import -window root -resize 560x321 -depth 8 menu.png
kill $pid
INNER
xvfb-run -a -s "-screen 0 960x550x24" sh "$work/shoot.sh" "$work" "$exe"
cp "$work/menu.png" "$data/manual/menu.png"
