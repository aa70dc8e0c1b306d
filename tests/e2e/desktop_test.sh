#!/bin/bash
# The real program on the (virtual) screen: the cover, a click to the menu, "Exit"; and
# Escape ending it from the menu. Screenshots of each screen are left in $SHOTS.
set -u
exe="$1"
data="$(cd "$(dirname "$0")/../../data" && pwd)"
[ -n "${DISPLAY:-}" ] || { echo "no display: skipped"; exit 77; }
command -v xdotool > /dev/null || { echo "xdotool missing: skipped"; exit 77; }

work="$(mktemp -d)"
SHOTS="${SHOTS:-$work}"
trap 'kill $pid 2>/dev/null; rm -rf "$work"' EXIT
cp "$data/okla.bmp" "$data/demo.zpr" "$work/"
cd "$work"

fail() { echo "FAIL: $*"; exit 1; }
pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
shot() { import -window root "$SHOTS/$1.png" 2> /dev/null; }
geometry() { xdotool getdisplaygeometry; }

read -r width height < <(geometry)
menu_x=$((width / 2 - 160))

# Waits up to 20 s (a busy machine is slow to draw) until the command succeeds.
within() { for _ in $(seq 40); do "$@" && return 0; sleep 0.5; done; return 1; }
cover_shown() {
  shot cover
  [ "$(pixel "$SHOTS/cover.png" $((width / 2)) $((height / 2)))" != "srgb(0,0,0)" ]
}
# The cover is black around its picture; the menu's ground is a grey gradient.
menu_shown() {
  shot menu
  [ "$(pixel "$SHOTS/menu.png" $((menu_x + 40)) 140)" != "srgb(0,0,0)" ]
}
# The cover takes a click only once it waits for one, which a busy machine reaches late:
# click until the menu is there.
leave_cover() {
  xdotool mousemove $((width / 2)) $((height / 2)) click 1
  sleep 1
  menu_shown
}
# The staircase is drawn item by item: "Exit", the eleventh, is 150 pixels right of and
# 300 below the first, and differs from the bare gradient below it (items come in
# different styles, so their colour is not fixed).
exit_drawn() {
  shot menu
  [ "$(pixel "$SHOTS/menu.png" $((menu_x + 190)) 435)" != \
    "$(pixel "$SHOTS/menu.png" $((menu_x + 190)) 600)" ]
}

"$exe" &
pid=$!
sleep 1
within cover_shown || fail "the cover bitmap is not shown"
kill -0 $pid 2> /dev/null || fail "the program did not stay up"
within leave_cover || fail "no menu drawn"
within exit_drawn || fail "the menu was not drawn to its end"
sleep 0.5

# A click that comes while the menu is still getting ready is not taken: click again.
xdotool mousemove $((menu_x + 175)) $((120 + 300 + 15))
for _ in $(seq 10); do
  sleep 0.5
  xdotool click 1
  for _ in $(seq 20); do kill -0 $pid 2> /dev/null || break; sleep 0.1; done
  kill -0 $pid 2> /dev/null || break
done
kill -0 $pid 2> /dev/null && fail "\"Exit\" did not end the program"
wait $pid
status=$?
[ $status -eq 0 ] || fail "\"Exit\" ended the program with status $status"

# Escape from the menu, with a project loaded from the command line (no cover).
"$exe" demo.zpr &
pid=$!
sleep 3
kill -0 $pid 2> /dev/null || fail "the program with a project did not stay up"
shot menu-with-project
xdotool key Escape
for _ in $(seq 50); do kill -0 $pid 2> /dev/null || break; sleep 0.1; done
kill -0 $pid 2> /dev/null && fail "Escape did not end the program"
echo "1 passed, 0 failed"
