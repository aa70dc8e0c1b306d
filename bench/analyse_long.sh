#!/bin/bash
# Time and peak memory of --analyse on long runs of 200 particles with their readings: 10^4,
# 10^5 and 10^6 frames (by default) of the showpiece's project, written by long_run without
# calculating them (the 10^6-frame trajectory takes 6.6 GB for the time of its runs). Each
# size is analysed RUNS times (3); min, median and max of the wall time and of the peak
# resident memory, and the size of energies.svg.
#
#   bench/analyse_long.sh [BUILD] [FRAMES...]
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-build}"
shift || true
sizes="${*:-10000 100000 1000000}"
runs="${RUNS:-3}"
exe="$root/$build/src/zentova"
writer="$root/$build/bench/long_run"
for f in "$exe" "$writer"; do
    [ -x "$f" ] || { echo "$f is missing: build zentova and long_run first" >&2; exit 2; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

# min, median and max of the numbers on stdin
spread() { sort -g | awk '{ v[NR] = $1 } END { printf "%s / %s / %s", v[1], v[int((NR + 1) / 2)], v[NR] }'; }

echo "| frames | trajectory | time (s), min / median / max | peak memory (MB), min / median / max | energies.svg |"
echo "|---|---|---|---|---|"
for frames in $sizes; do
    cp "$root/data/zen6.zpr" long.zpr
    "$writer" long.zpr "$frames"
    his=$(du -m long.his | cut -f1)
    : > times
    : > peaks
    for run in $(seq "$runs"); do
        /usr/bin/time -o usage -f '%e %M' env -u DISPLAY "$exe" --analyse long.zpr --overwrite \
            2> analyse.txt
        read -r took peak < usage
        echo "$took" >> times
        echo "$peak" | awk '{ printf "%.0f\n", $1 / 1024 }' >> peaks
    done
    svg=$(du -k long-analysis/energies.svg | cut -f1)
    echo "| $frames | $his MB | $(spread < times) | $(spread < peaks) | $svg kB |"
    rm -rf long.his long.readings.csv long-analysis
done
