#!/bin/bash
# Steps per second of the 200-particle showpiece (data/zen6.zpr) exported for LAMMPS, and
# of 5 x 5 x 5 of it (25,000 particles, with the law over the whole box and with a cutoff
# of 30), on one MPI rank and on two, beside the program's own rate for the 200.
#
#   bench/lammps_rates.sh [BUILD]
#
# Needs lmp and mpirun (Debian's lammps and openmpi-bin). The whole-box tiling holds all
# 312 million pairs in its neighbour list: about 1.3 GB and a minute per rank count.
set -u
root="$(cd "$(dirname "$0")/.." && pwd)"
exe="$root/${1:-build}/src/zentova"
[ -x "$exe" ] || { echo "$exe is missing: build first (make build)" >&2; exit 2; }
command -v lmp > /dev/null || { echo "lmp is missing (apt install lammps)" >&2; exit 2; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$root/data/zen6.zpr" "$work/showpiece.zpr"  # the examples keep their own files
cd "$work"
export OMPI_ALLOW_RUN_AS_ROOT=1 OMPI_ALLOW_RUN_AS_ROOT_CONFIRM=1

# LAMMPS's own figure: timesteps/s of the run's loop, without reading the tables; the best
# of REPEATS runs, as the machine is shared.
rate() {  # FOLDER STEPS RANKS [REPEATS]
    for _ in $(seq "${4:-3}"); do
        (cd "$1" && if [ "$3" = 1 ]; then lmp -in in.showpiece -var steps "$2" -screen none
         else mpirun --oversubscribe -np "$3" lmp -in in.showpiece -var steps "$2" -screen none; fi
         sed -n 's/^Performance:.*, \([0-9.]*\) timesteps\/s.*/\1/p' log.lammps)
    done | sort -g | tail -1
}

ours=$(for seed in 1 2 3; do "$exe" --calculate showpiece.zpr --steps 60000 --seed $seed 2>&1 |
       sed -n 's/.*(\([0-9]*\) steps\/s).*/\1/p'; done | sort -g | tail -1)
"$exe" --export-lammps showpiece.zpr small --seed 1 2> /dev/null
"$exe" --export-lammps showpiece.zpr whole --replicate 5 5 5 --seed 1 2> /dev/null
"$exe" --export-lammps showpiece.zpr near --replicate 5 5 5 --cutoff 30 --seed 1 2> /dev/null

printf '| %-44s | %12s | %12s |\n' "steps per second" "1 rank" "2 ranks"
printf '|%s|%s|%s|\n' "----------------------------------------------" "--------------" "--------------"
printf '| %-44s | %12s | %12s |\n' "Zentova, 200 particles (one core)" "$ours" "-"
printf '| %-44s | %12s | %12s |\n' "LAMMPS, 200 particles" "$(rate small 3000 1)" "$(rate small 3000 2)"
printf '| %-44s | %12s | %12s |\n' "LAMMPS, 25,000 particles, cutoff 30" "$(rate near 40 1)" "$(rate near 40 2)"
printf '| %-44s | %12s | %12s |\n' "LAMMPS, 25,000 particles, whole box (exact)" "$(rate whole 2 1 1)" "$(rate whole 2 2 1)"
