#!/bin/sh
# A LAMMPS run read back at three sizes: the dump's reading speed against wc -l (the floor),
# and --analyse's time and peak memory. Usage: bench/lammps_return.sh [BUILD]
set -e
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for n in 960 25000 200000; do
  "$build/bench/lammps_read_bench" "$work/gas$n" "$n" 8
  /usr/bin/time -f "  --analyse: %e s, peak %M KB" "$build/src/zentova" --analyse "$work/gas$n" \
    --out "$work/page$n" 2>&1 | grep -- "--analyse:"
done
