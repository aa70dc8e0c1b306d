#!/bin/sh
# The man page against the program's own --help: the same options both ways (a new option
# documented in one place only fails), the same forms of the command in SYNOPSIS as under
# "Usage", and the ranges of --steps and --seed in both.
#
#   manpage_test.sh ZENTOVA MANPAGE      (the page as built, before or after gzip)
set -u
zentova="$1"
page="$2"
failed=0
fail() { echo "FAIL $*"; failed=1; }

help=$("$zentova" --help) || { echo "FAIL zentova --help exits with $?"; exit 1; }
case "$page" in
  *.gz) source=$(gzip -dc "$page") ;;
  *) source=$(cat "$page") ;;
esac
# roff writes a minus as \-; the options as words: --name and --name=value.
text=$(printf '%s\n' "$source" | sed 's/\\-/-/g')
options() { grep -o -- '--[a-z][a-z-]*\(=[a-z]*\)\{0,1\}' | sort -u; }

help_options=$(printf '%s\n' "$help" | options)
man_options=$(printf '%s\n' "$text" | options)
missing=$(printf '%s\n' "$help_options" | grep -vxF -e "$man_options")
[ -z "$missing" ] || fail "in --help but not in the man page:" $missing
extra=$(printf '%s\n' "$man_options" | grep -vxF -e "$help_options")
[ -z "$extra" ] || fail "in the man page but not in --help:" $extra

# The forms of the command: the usage lines of --help, the SYNOPSIS of the page.
help_usage=$(printf '%s\n' "$help" | sed -n '1,/^$/p' | options)
man_synopsis=$(printf '%s\n' "$text" | sed -n '/^\.SH SYNOPSIS/,/^\.SH /p' | options)
[ "$help_usage" = "$man_synopsis" ] ||
  fail "SYNOPSIS has" $man_synopsis "where the usage of --help has" $help_usage

for range in "0 to 9223372036854775807" "0 to 4294967295"; do
  printf '%s\n' "$help" | tr '\n' ' ' | tr -s ' ' | grep -qF "$range" ||
    fail "--help lacks the range $range"
  printf '%s\n' "$text" | tr '\n' ' ' | tr -s ' ' | grep -qF "$range" ||
    fail "the man page lacks the range $range"
done
for section in SYNOPSIS OPTIONS FILES "EXIT STATUS"; do
  printf '%s\n' "$text" | grep -q "^\.SH \"\{0,1\}$section" || fail "no section $section"
done
[ $failed -eq 0 ] && echo "man page and --help agree: $(echo $help_options | wc -w) options"
exit $failed
