#!/bin/sh
# Fails when a source file does not match .clang-format, naming the files; "make format"
# rewrites them.
cd "$(dirname "$0")/.." || exit 1
files=$(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' \
  'fuzz/*.cpp' 'fuzz/*.h')
bad=""
for f in $files; do
  clang-format --dry-run --Werror "$f" > /dev/null 2>&1 || bad="$bad $f"
done
if [ -n "$bad" ]; then
  echo "Not formatted as .clang-format says (run \"make format\"):" >&2
  for f in $bad; do echo "  $f" >&2; done
  exit 1
fi
