#!/bin/bash
# `zentova --calculate` against the plain program of the same step (plain_step.cpp), on 200
# particles of one kind, 30,000 steps: ROUNDS rounds, the two taking turns, each timed as a
# whole process (start-up and files included, processor time). Prints each run's steps per second, the
# medians and the median of the rounds' ratios.
#
#   bench/plain_rate.sh [BUILD] [ROUNDS]
#   ZENTOVA=other/zentova bench/plain_rate.sh [BUILD] [ROUNDS]   # another build's program
#   PLAIN_WRITES=no bench/plain_rate.sh [BUILD] [ROUNDS]          # the plain one writing nothing
set -u
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/${1:-build}"
rounds="${2:-5}"
exe="${ZENTOVA:-$build/src/zentova}"
plain="$build/bench/plain_step"
for f in "$exe" "$plain"; do
    [ -x "$f" ] || { echo "$f is missing: build first (cmake --build $build)" >&2; exit 2; }
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
# One kind: 200 particles of mass 1, charge +1, diameter 6, ae = 1, ag = 0.2, ar = 1.
printf '%s\n' "One kind: 200" " 1.00000000000000E+0000" " 2.00000000000000E-0001" \
    " 1.00000000000000E+0000" 1 200 " 1.00000000000000E+0000" 1 " 6.00000000000000E+0000" \
    255 200 40 > one.zpr
steps=30000
stem=plain
[ "${PLAIN_WRITES:-yes}" = no ] && stem=-

# Processor seconds (user and system) of the whole process: on a shared machine they move
# less than the time on the clock, which counts the waits for a processor too.
seconds() {  # COMMAND...
    local TIMEFORMAT='%3U %3S' t
    t=$( { time "$@" > /dev/null 2>&1; } 2>&1 ) || { echo "failed: $*" >&2; exit 1; }
    echo "$t" | awk '{printf "%.3f", $1 + $2}'
}

median() { sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

ours=() theirs=() ratios=()
for r in $(seq "$rounds"); do
    rm -f one.his one.sta one.readings.csv
    a=$(seconds "$exe" --calculate one.zpr --steps $steps --seed "$r")
    b=$(seconds "$plain" one.zpr $steps "$r" "$stem")
    ra=$(awk -v s=$steps -v t="$a" 'BEGIN {printf "%.0f", s / t}')
    rb=$(awk -v s=$steps -v t="$b" 'BEGIN {printf "%.0f", s / t}')
    ratio=$(awk -v a="$a" -v b="$b" 'BEGIN {printf "%.2f", b / a}')
    echo "round $r: zentova $ra steps/s ($a s), plain $rb steps/s ($b s), ratio $ratio"
    ours+=("$ra") theirs+=("$rb") ratios+=("$ratio")
done
echo "median: zentova $(printf '%s\n' "${ours[@]}" | median) steps/s," \
     "plain $(printf '%s\n' "${theirs[@]}" | median) steps/s," \
     "ratio $(printf '%s\n' "${ratios[@]}" | median) (range $(printf '%s\n' "${ratios[@]}" | sort -g | head -1) to $(printf '%s\n' "${ratios[@]}" | sort -g | tail -1))"
