#!/bin/sh
# A LAMMPS run read back at three sizes: the dump's reading speed against wc -l (the floor),
# and --analyse's time and peak memory; then the same run of 960 particles at 8 to 8,000
# frames, whose peak memory stops growing where the frames held reach their bound.
# Usage: bench/lammps_return.sh [BUILD]   (the longest dump takes 560 MB of /tmp)
set -e
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
analyse() {
  /usr/bin/time -f "  --analyse: %e s, peak %M KB" "$build/src/zentova" --analyse "$1" \
    --out "$2" 2>&1 | grep -- "--analyse:"
}
for n in 960 25000 200000; do
  "$build/bench/lammps_read_bench" "$work/gas$n" "$n" 8
  analyse "$work/gas$n" "$work/page$n"
done
for f in 8 800 4000 8000; do
  "$build/bench/lammps_read_bench" "$work/long$f" 960 "$f"
  analyse "$work/long$f" "$work/longpage$f"
  rm -rf "$work/long$f" "$work/longpage$f"
done
