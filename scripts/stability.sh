#!/bin/sh
# Long-run stability of the command-line calculation: the demo project and COUNT seeded
# random projects (see tests/reliability/randomproject.h), STEPS steps each, JOBS at a
# time. Every frame and the final state must hold finite numbers only; a coordinate beyond
# the cube's half edge plus the wall margin (53) is reported as SOFT (the walls are soft:
# nothing stops a particle at the edge), one beyond twice the half edge as ESCAPED, a
# failure. One line per project, then the five farthest; exit status 1 when any project
# failed. Takes the programs of BUILD.
#
#   sh scripts/stability.sh [BUILD] [COUNT] [STEPS] [JOBS] [FIRST_SEED]
#
# A failing project is made again with: zentova_stability generate DIR SEED 1
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"

if [ "$1" = "--one" ]; then
  # One project in its own folder, called by the loop below.
  cd "$2"
  project=$(ls *.zpr)
  if "$ZENTOVA" --calculate "$project" --steps "$STEPS" --seed 1 2> err.txt; then
    "$CHECK" check "$PWD/$project" || true
  else
    echo "$PWD/$project FAILED: $(tr '\n' ' ' < err.txt)"
  fi
  rm -f *.his
  exit 0
fi

build="${1:-build}"
count="${2:-300}"
steps="${3:-100000}"
jobs="${4:-2}"
first="${5:-1}"
export ZENTOVA="$root/$build/src/zentova"
export CHECK="$root/$build/tests/zentova_stability"
export STEPS="$steps"
for program in "$ZENTOVA" "$CHECK"; do
  [ -x "$program" ] || { echo "$program is missing: build first (make build)" >&2; exit 2; }
done

work="$(mktemp -d "${TMPDIR:-/tmp}/zentova-stability-XXXXXX")"
trap 'rm -rf "$work"' EXIT
# The demo as shipped, with the start-up settings (no settings file); the random projects
# each with the step "Back to defaults" would give them.
mkdir "$work/demo"
cp "$root/data/demo.zpr" "$work/demo/"
{ echo "$work/demo"; "$CHECK" generate "$work" "$first" "$count"; } > "$work/projects"

start=$(date +%s)
xargs -P "$jobs" -n 1 sh "$0" --one < "$work/projects" | tee "$work/results"
seconds=$(( $(date +%s) - start ))

total=$(wc -l < "$work/results")
ok=$(grep -c ' OK$' "$work/results" || true)
soft=$(grep -c ' SOFT$' "$work/results" || true)
echo
echo "$ok of $total projects stayed finite and inside the cube's half edge plus the wall"
echo "margin, $soft more went beyond it into the soft walls and came back ($steps steps, ${seconds} s)"
echo "Farthest coordinates in any frame:"
grep ' OK$\| SOFT$' "$work/results" | sort -g -r -k7,7 | head -5
if [ $((ok + soft)) -ne "$total" ]; then
  echo "Failed (not finite, or beyond twice the half edge):"
  grep -v ' OK$\| SOFT$' "$work/results"
  exit 1
fi
