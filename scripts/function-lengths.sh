#!/bin/sh
# Lists the functions of src/ longer than a limit (60 lines unless given), longest first,
# as "lines  file:line  name". Needs Universal Ctags for the functions' end lines.
limit=${1:-60}
cd "$(dirname "$0")/.." || exit 1
ctags -x --_xformat='%{line} %{end} %{input} %{name}' --kinds-c++=f --fields=+e \
  --extras=-q -R src 2>/dev/null |
  awk -v limit="$limit" '{ n = $2 - $1 + 1; if (n > limit) printf "%4d  %s:%s  %s\n", n, $3, $1, $4 }' |
  sort -rn
