#!/bin/sh
# Starts the program in the working folder "run/" beside the build. The shipped data is
# copied in on first use and never over a file the user already has.
set -e
exe="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
root="$(cd "$(dirname "$0")/.." && pwd)"
mkdir -p "$root/run"
for f in "$root"/data/*; do
  [ -e "$root/run/$(basename "$f")" ] || cp "$f" "$root/run/"
done
cd "$root/run"
echo "Calculating the demo project in $root/run ..."
"$exe" --calculate demo.zpr --steps 3000
echo "Wrote $root/run/demo.his (trajectory) and $root/run/demo.sta (final state)."
