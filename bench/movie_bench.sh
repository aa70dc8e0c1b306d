#!/bin/bash
# Movies of the 60-frame showpiece (data/zen6.his) and of a 300-frame trajectory of the same
# project: drawing the frames alone against writing each format (movie_bench), and the
# command itself, start and virtual screen included (zentova --movie).
#
#   bench/movie_bench.sh [BUILD]
#
# Needs Xvfb (xvfb-run) and the build's movie_bench.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-build}"
exe="$root/$build/src/zentova"
bench="$root/$build/bench/movie_bench"
[ -x "$exe" ] && [ -x "$bench" ] || { echo "build first (make build)" >&2; exit 2; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
cp "$root/data/zen6.zpr" "$root/data/zen6.his" .
# The examples may not be calculated under their own names.
cp "$root/data/zen6.zpr" long.zpr
"$exe" --calculate long.zpr --steps 90000 --seed 1 2> /dev/null
run() { xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$@" 2>&1 | grep -v XDG_RUNTIME; }
for project in zen6.zpr long.zpr; do
  run "$bench" "$project" "$work"
  for format in mp4 webm gif; do
    start=$(date +%s.%N)
    run "$exe" --movie "$project" "out.$format" --overwrite > /dev/null
    end=$(date +%s.%N)
    printf '  zentova --movie %-5s %6.2f s in all, %8.1f KB\n' "$format" \
      "$(echo "$end - $start" | bc)" "$(echo "$(stat -c %s "out.$format") / 1024" | bc -l)"
  done
done
