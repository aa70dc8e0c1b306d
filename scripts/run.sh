#!/bin/sh
# Starts the program in the working folder "run/" beside the build. The shipped data is
# copied in on first use and never over a file the user already has.
set -e
exe="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
root="$(cd "$(dirname "$0")/.." && pwd)"
mkdir -p "$root/run"
for f in "$root"/data/*; do
  [ -e "$root/run/$(basename "$f")" ] || cp -R "$f" "$root/run/"
done
cd "$root/run"
if [ -z "$DISPLAY" ] && [ -z "$WAYLAND_DISPLAY" ]; then
  echo "No display to open the window on (DISPLAY is not set)." >&2
  echo "Without one, calculate from the command line, e.g.:" >&2
  echo "  cd run && $exe --calculate demo.zpr" >&2
  exit 1
fi
exec "$exe"
