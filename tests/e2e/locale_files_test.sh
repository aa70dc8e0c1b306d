#!/bin/sh
# The files are the same whatever the desktop's language: a calculation (fixed seed), a
# LAMMPS export and an analysis of one project, once under the C locale and once in
# German (decimal comma, German interface), write the same bytes. The analysis' page
# speaks the user's language; its CSV files, like every other file, do not.
#
#   locale_files_test.sh ZENTOVA DATA_DIR
# Exit 77 (skipped) when the German locale is not installed (scripts/install-deps.sh makes it).
set -u
exe="$1"
data="$2"
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\{0,1\}8$'; then
  echo "SKIP the locale de_DE.UTF-8 is not installed"
  exit 77
fi
scratch=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] || rm -rf "$scratch"' EXIT

# Runs the three commands in a folder of their own, in the environment given.
run() {
  folder="$scratch/$1"
  shift
  mkdir -p "$folder"
  cp "$data/demo.zpr" "$folder/demo.zpr"
  (
    cd "$folder" || exit 1
    env "$@" "$exe" --calculate demo.zpr --steps 1200 --seed 17 >calculate.log 2>&1 &&
      env "$@" "$exe" --export-lammps demo.zpr lammps --steps 1200 --seed 17 >export.log 2>&1 &&
      env "$@" QT_QPA_PLATFORM=offscreen "$exe" --analyse demo.zpr --out analysis \
        >analyse.log 2>&1
  ) || {
    echo "FAIL the commands under $*:"
    cat "$folder"/*.log
    exit 1
  }
  rm -f "$folder"/*.log
}
run c LC_ALL=C LANG=C LANGUAGE=
run de LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 LANGUAGE=de

# Every file written, but for the analysis' own page, which is in the user's language.
written=$(cd "$scratch/c" && find . -type f ! -name demo.zpr | sort | while read -r f; do
  case "$f" in
    ./analysis/*.csv) echo "$f" ;;
    ./analysis/*) ;;
    *) echo "$f" ;;
  esac
done)
failed=0
for kind in demo.his demo.sta demo.readings.csv lammps/ analysis/; do
  echo "$written" | grep -q "^\./$kind" || {
    echo "FAIL nothing written as $kind"
    failed=1
  }
done
count=0
for f in $written; do
  count=$((count + 1))
  if [ ! -f "$scratch/de/$f" ]; then
    echo "FAIL $f was written under C only"
    failed=1
  elif ! cmp -s "$scratch/c/$f" "$scratch/de/$f"; then
    echo "FAIL $f differs between C and de_DE.UTF-8:"
    diff "$scratch/c/$f" "$scratch/de/$f" | head -6
    failed=1
  fi
done
only_de=$(cd "$scratch/de" && find . -type f ! -path './analysis/*' ! -name demo.zpr | sort)
for f in $only_de; do
  [ -f "$scratch/c/$f" ] || {
    echo "FAIL $f was written under de_DE.UTF-8 only"
    failed=1
  }
done
[ "$failed" -eq 0 ] || exit 1
echo "PASS $count files byte for byte the same under C and de_DE.UTF-8"
