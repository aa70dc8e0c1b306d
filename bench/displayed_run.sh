#!/bin/bash
# A displayed calculation of the 200-particle showpiece in the real program on a virtual
# screen: where its time goes (integration, drawing, messages and bookkeeping) and the
# program's resident size at the menu and while it calculates, with the most it has had.
#
#   bench/displayed_run.sh [BUILD] [SECONDS]
#
# Needs Xvfb, xdotool and imagemagick (scripts/install-deps.sh installs them). With SHOTS
# set to a folder, the screen while calculating is saved there as calculation.png. With
# RECORD=1 the key R records the view from two seconds into the calculation to its end (the
# recording's own line on stderr says how many pictures it took).
# READINGS=1 the key G opens the "Readings" window at the start, so that its cost is counted
# (READINGS_KEY=x presses a key that does nothing instead, for a run alike in all else).
set -u
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-build}"
seconds="${2:-20}"
exe="$root/$build/src/zentova"
[ -x "$exe" ] || { echo "$exe is missing: build first (make build)" >&2; exit 2; }

work="$(mktemp -d)"
display=":$((70 + RANDOM % 400))"
Xvfb "$display" -screen 0 1280x1024x24 -ac > /dev/null 2>&1 &
xvfb=$!
trap 'kill $pid $xvfb 2> /dev/null; rm -rf "$work"' EXIT
export DISPLAY="$display"
sleep 1
# The examples may not be calculated under their own names.
cp "$root/data/zen6.zpr" "$work/showpiece.zpr"
cp "$root/data/okla.bmp" "$work/"
cd "$work"

rss() { awk '/VmRSS/ {print int($2 / 1024) " MB"}' "/proc/$pid/status"; }
peak() { awk '/VmHWM/ {print int($2 / 1024) " MB"}' "/proc/$pid/status"; }
click() {
    xdotool mousemove "$1" "$2"
    sleep 0.3
    xdotool mousedown 1
    sleep 0.15
    xdotool mouseup 1
}

ZENTOVA_RUN_TIMES=1 "$exe" showpiece.zpr 2> times.txt &
pid=$!
sleep 4
echo "resident size at the menu: $(rss)"
read -r width _ < <(xdotool getdisplaygeometry)
# "Calculate" is the fifth item of the staircase menu.
menu_x=$((width / 2 - 160))
click $((menu_x + 100)) $((120 + 4 * 30 + 15))
if [ "${READINGS:-0}" = 1 ]; then
    sleep 1
    # There is no window manager to give the view the keyboard: it is given here.
    xdotool windowfocus "$(xdotool search --name "Simulation run" | head -1)"
    sleep 0.2
    xdotool key "${READINGS_KEY:-g}"
    seconds=$((seconds - 1))
fi
if [ -n "${RECORD:-}" ]; then
    sleep 2
    # Without a window manager the view has the keys only when given the focus.
    xdotool windowfocus --sync "$(xdotool search --name "Simulation run" | head -1)" key r
    sleep $((seconds - 2))
else
    sleep "$seconds"
fi
echo "resident size while calculating: $(rss) (the most so far: $(peak))"
import -window root "${SHOTS:-.}/calculation.png" 2> /dev/null
# "Stop" is the fifth button of the view window, then a click ends the run.
view="$(xdotool search --name "Simulation run" | head -1)"
eval "$(xdotool getwindowgeometry --shell "$view")"
click $((X + 500)) $((Y + 15))
sleep 1
click $((X + 300)) $((Y + 300))
sleep 1
cat times.txt
kill $pid 2> /dev/null
