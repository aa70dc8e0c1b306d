#!/bin/sh
# The long check of the six examples: each runs STEPS steps (default 100,000) headless, once
# with the start-up settings (step 0.00005, no setupek.dat) and once with the step that
# "Back to defaults" gives it (0.00002 / max(ae + ag, 0.1) x 50 / particles). Every frame and
# the final state must be finite, with no coordinate beyond 53 (the cube's half edge plus the
# wall margin). One line per run; exit status 1 when any failed.
#
#   sh scripts/check-examples.sh [BUILD] [STEPS]
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-build}"
steps="${2:-100000}"
zentova="$root/$build/src/zentova"
check="$root/$build/tests/zentova_stability"
for program in "$zentova" "$check"; do
  [ -x "$program" ] || { echo "$program is missing: build first (make build)" >&2; exit 2; }
done
work="$(mktemp -d "${TMPDIR:-/tmp}/zentova-examples-XXXXXX")"
trap 'rm -rf "$work"' EXIT

# The step of the default rule for a project file, in the settings file's 23-character form.
default_step() {
  tr -d '\r' < "$1" | awk '
    NR == 2 { ae = $1 } NR == 3 { ag = $1 } NR == 5 { types = $1 }
    NR > 5 && (NR - 6) % 7 == 0 && (NR - 6) / 7 < types { n += $1 }
    END {
      c = ae + ag; if (c < 0.1) c = 0.1
      s = sprintf("%.14E", 0.00002 / c * 50 / n)
      split(s, part, "E"); e = part[2] + 0
      printf " %sE%s%04d\n", part[1], (e < 0 ? "-" : "+"), (e < 0 ? -e : e)
    }'
}

status=0
for n in 1 2 3 4 5 6; do
  for settings in start-up default-rule; do
    dir="$work/zen$n-$settings"
    mkdir "$dir"
    # A copy: the program calculates no example itself.
    cp "$root/data/zen$n.zpr" "$dir/copy$n.zpr"
    if [ $settings = default-rule ]; then
      step=$(default_step "$dir/copy$n.zpr")
      printf '0\r\n0\r\n200\r\nTAK\r\nTAK\r\n%s\r\n 2.00000000000000E+0001\r\n\r\n' "$step" \
        > "$dir/setupek.dat"
    else
      step=" 5.00000000000000E-0005"
    fi
    if (cd "$dir" && "$zentova" --calculate "copy$n.zpr" --steps "$steps" --seed "$n" \
          2> err.txt); then
      result=$("$check" check "$dir/copy$n.zpr") || status=1
      echo "step$step: $result"
    else
      echo "zen$n ($settings) FAILED: $(tr '\n' ' ' < "$dir/err.txt")"
      status=1
    fi
    rm -f "$dir/copy$n.his"
  done
done
exit $status
