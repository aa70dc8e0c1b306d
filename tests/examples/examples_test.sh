#!/bin/sh
# The six shipped examples: each loads within the limits (20 types, 200 particles), its
# shipped history and final state are whole, finite and inside the walls, and a fresh
# headless run of 3,000 steps stays finite and inside the cube.
#
#   examples_test.sh ZENTOVA CHECK DATA
#
# CHECK is the checker of scripts/stability.sh (zentova_stability check).
set -u
zentova="$1"
check="$2"
data="$3"
work="$(mktemp -d "${TMPDIR:-/tmp}/zentova-examples-XXXXXX")"
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL $*"; failed=1; }

for n in 1 2 3 4 5 6; do
  name="zen$n"
  for ext in zpr his sta readings.csv; do
    [ -f "$data/$name.$ext" ] || fail "$name.$ext is not shipped"
  done
  [ -f "$data/$name.zpr" ] || continue
  # CR LF line ends throughout, as the program writes them.
  if tr -d '\r' < "$data/$name.zpr" | cmp -s - "$data/$name.zpr"; then
    fail "$name.zpr has no CR LF line ends"
  fi

  # The shipped history and final state, as they are.
  mkdir "$work/shipped$n"
  cp "$data/$name.zpr" "$data/$name.his" "$data/$name.sta" "$work/shipped$n/"
  out=$("$check" check "$work/shipped$n/$name.zpr" 2>&1) || fail "shipped files of $name: $out"
  frames=$(echo "$out" | sed -n 's/.* frames \([0-9]*\) .*/\1/p')
  [ "${frames:-0}" -ge 20 ] || fail "$name.his holds ${frames:-no} frames, expected 20 or more"

  # The program refuses to calculate an example again, and changes none of its files.
  if (cd "$work/shipped$n" && "$zentova" --calculate "$name.zpr" --steps 300 2> err.txt); then
    fail "$name: calculated again"
  fi
  cmp -s "$data/$name.his" "$work/shipped$n/$name.his" || fail "$name.his changed"

  # A fresh calculation of a copy in a folder of its own (no settings file: the start-up
  # step).
  mkdir "$work/run$n"
  copy="copy$n"
  cp "$data/$name.zpr" "$work/run$n/$copy.zpr"
  if ! (cd "$work/run$n" && "$zentova" --calculate "$copy.zpr" --steps 3000 --seed 7 \
          2> err.txt); then
    fail "$name: calculation failed: $(cat "$work/run$n/err.txt")"
    continue
  fi
  out=$("$check" check "$work/run$n/$copy.zpr" 2>&1) || fail "run of $name: $out"
  frames=$(echo "$out" | sed -n 's/.* frames \([0-9]*\) .*/\1/p')
  [ "$frames" = 10 ] || fail "run of $name wrote ${frames:-no} frames, expected 10"
  count=$(head -n 1 "$work/run$n/$copy.sta" | tr -d '\r ')
  [ "$count" -ge 1 ] && [ "$count" -le 200 ] || fail "$name: $count particles"
  grep -qi 'nan\|inf' "$work/run$n/$copy.sta" && fail "$name.sta holds a NaN or infinity"
  echo "ok $name: $out"
done

# Six different experiments: no two examples are the same project.
dupes=$(for n in 1 2 3 4 5 6; do tail -n +2 "$data/zen$n.zpr" | md5sum; done | sort | uniq -d)
[ -z "$dupes" ] || fail "two examples hold the same coefficients and types"
exit $failed
