#!/bin/bash
# The whole program worked from the keyboard alone, no mouse event at all: the cover, an
# example loaded through "Retrieve project", "Show history" paused, zoomed and stopped, the
# program back with the project, the project editor opened, a count changed and cancelled,
# the forces plotted and left, and "Exit" reached by fast presses. Screenshots of each step are left in $SHOTS.
set -u
exe="$1"
data="$(cd "$(dirname "$0")/../../data" && pwd)"
[ -n "${DISPLAY:-}" ] || { echo "no display: skipped"; exit 77; }
for tool in xdotool import convert compare; do
  command -v $tool > /dev/null || { echo "$tool missing: skipped"; exit 77; }
done

work="$(mktemp -d)"
SHOTS="${SHOTS:-$work}"
pids=""
trap 'for p in $pids; do kill $p 2>/dev/null; done; rm -rf "$work"' EXIT
cp "$data/okla.bmp" "$work/"
# The example under a name of the user's: the examples themselves may not be edited.
for ext in zpr his sta readings.csv; do cp "$data/zen1.$ext" "$work/lesson.$ext"; done
cp "$work/lesson.zpr" "$work/original.zpr"
cd "$work"

fail() { echo "FAIL: $*"; exit 1; }
# A pixel as "srgb(r,g,b)", also where the screen holds only greys (ImageMagick would say
# "gray(255)" of such a picture).
pixel() { convert "$1" -format "srgb(%[fx:int(255*p{$2,$3}.r+0.5)],%[fx:int(255*p{$2,$3}.g+0.5)],%[fx:int(255*p{$2,$3}.b+0.5)])" info:; }
shot() { import -window root "$SHOTS/$1.png" 2> /dev/null; }
# Waits up to 20 s (a busy machine is slow) until the command succeeds.
within() { for _ in $(seq 40); do "$@" && return 0; sleep 0.5; done; return 1; }
key() { xdotool key --delay 150 "$@"; sleep 0.4; }
# The window of a title (a pattern) that shows, given the keyboard focus (no click).
window_of() { xdotool search --onlyvisible --name "$1" 2> /dev/null | head -1; }
focus() {
  local w
  w="$(within window_of "$1" && window_of "$1")" || return 1
  xdotool windowfocus --sync "$w" 2> /dev/null
  sleep 0.3
}
# The picture of a window as it is now.
grab() {
  local w
  w="$(window_of "$1")"
  [ -n "$w" ] || fail "no window $1 to look at"  # import would wait for a click instead
  import -window "$w" "$SHOTS/$2.png" 2> /dev/null
}
same() { [ "$(compare -metric AE "$SHOTS/$1.png" "$SHOTS/$2.png" null: 2>&1)" = "0" ]; }
running() { kill -0 "$1" 2> /dev/null; }
# The program restarts itself after a run: the newest process of the executable, or of its
# window part beside it (zentova-gui), which is what restarts.
newest() { pgrep -n -f "^$exe(-gui)? lesson.zpr" || pgrep -n -f "$exe(-gui)? .*lesson.zpr"; }

read -r width height < <(xdotool getdisplaygeometry)
"$exe" &
first=$!
pids="$first"
sleep 2
focus '^Zentova' || fail "no main window"
# The cover goes on with any key; the menu's first item then has the focus.
cover_left() { key space; shot menu; [ "$(pixel "$SHOTS/menu.png" $((width / 2 - 120)) 140)" != "srgb(0,0,0)" ]; }
within cover_left || fail "a key did not leave the cover"

# "Retrieve project": Down once, Enter; the file dialog takes the name typed.
key Down Return
sleep 1
xdotool type --delay 50 "$work/lesson.zpr"
key Return
sleep 1
shot loaded

# "Show history" is the sixth item: Down five times from the first.
key Down Down Down Down Down Return
focus 'Simulation run' || fail "Show history opened no view"
sleep 1
# The status line shows the time of the frame replayed, as a calculation's does; P pauses,
# which the line then says before the time, and the picture and the time stand still (the
# playback may well have reached its end by now, so the picture alone would not tell).
# The strip is light grey where the picture behind it is a dark blue.
status_shown() {
  grab 'Simulation run' "$1"
  [ "$(convert "$SHOTS/$1.png" -crop 1x1+300+41 -format "%[fx:r>0.6 && g>0.6 ? 1 : 0]" info:)" = 1 ]
}
strip() { convert "$SHOTS/$1.png" -crop 300x12+8+36 +repage "$SHOTS/$1-strip.png"; }
within status_shown playing || fail "the history shows no time in the status line"
key p
sleep 0.3
grab 'Simulation run' paused
sleep 0.6
grab 'Simulation run' still
strip playing
strip paused
same playing-strip paused-strip && fail "P did not say the pause in the status line"
same paused still || fail "P did not pause the history"
# Zoom in: + held for half a second.
xdotool keydown plus; sleep 0.6; xdotool keyup plus; sleep 0.5
grab 'Simulation run' zoomed
same paused zoomed && fail "+ did not zoom"
key F1
shot view-help
key F1
# T stops (or terminates) as the button does; Enter then returns to the menu, and the
# program starts again with the project.
key p t
sleep 0.5
key t
sleep 0.5
shot stopped
key Return
sleep 3
second="$(newest)"
[ -n "$second" ] && [ "$second" != "$first" ] || fail "the program did not come back after the history"
pids="$pids $second"
running "$first" && fail "the first program did not end"
focus '^Zentova|lesson' || fail "no main window after the restart"

# "Show/Edit project": the third item. The project box takes Enter as "Done"; the type box
# then has its count first: a new count typed, then "Cancel" (Tab through the box's fields
# and buttons to it) and Space.
key Down Down Return
sleep 1
shot project-box
key Return
sleep 1
key ctrl+a
xdotool type --delay 50 "77"
shot type-box
key Tab Tab Tab Tab Tab Tab space
sleep 1
shot cancelled
cmp -s lesson.zpr original.zpr || fail "the cancelled edit changed the project file"
running "$second" || fail "the program ended after the cancel"

# "Show/define forces", the eighth item: a coefficient typed and Enter plots the curve on its
# white rectangle; Tab goes down the fields to "done", the two type lists and "Terminate force
# parameters", where Enter ends the editor; N keeps the project file as it was.
key Down Down Down Down Down Down Down Return
sleep 1
key ctrl+a
xdotool type --delay 50 "2"
key Return
sleep 1
shot forces
[ "$(pixel "$SHOTS/forces.png" 105 225)" = "srgb(255,255,255)" ] || fail "Enter in a field did not plot the force"
key Tab Tab Tab Tab Tab Tab Return
sleep 1
shot forces-question
key n
sleep 3
third="$(newest)"
[ -n "$third" ] && [ "$third" != "$second" ] || fail "Enter on \"Terminate force parameters\" did not end the editor"
pids="$pids $third"
cmp -s lesson.zpr original.zpr || fail "N saved the new coefficients"
focus '^Zentova|lesson' || fail "no main window after the forces"

# Presses faster than the menu looks each count: four presses of Down 12 ms apart land on
# "Calculate", six more on "Exit", the last item. A lost press would leave the frame short.
xdotool key --delay 12 Down Down Down Down
sleep 0.4
shot fast-keys
key Down Down Down Down Down Down
shot exit-focused
key Return
for _ in $(seq 50); do running "$third" || break; sleep 0.1; done
running "$third" && fail "Exit chosen by keys did not end the program"
echo "1 passed, 0 failed"
