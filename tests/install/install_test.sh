#!/bin/sh
# Installation: "cmake --install" into a scratch root puts the executable, the shipped files,
# the desktop entry, the icon and the man page in place; the desktop entry is valid; the
# Debian package holds the same files and names its dependencies.
#
#   install_test.sh BUILD_DIR SOURCE_DIR
set -u
build="$1"
source="$2"
work="$(mktemp -d "${TMPDIR:-/tmp}/zentova-install-XXXXXX")"
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL $*"; failed=1; }

DESTDIR="$work/root" cmake --install "$build" --prefix /usr > "$work/install.log" 2>&1 ||
  { cat "$work/install.log"; exit 1; }
root="$work/root/usr"

[ -x "$root/bin/zentova" ] || fail "bin/zentova is missing or not executable"
for f in demo.zpr okla.bmp Zentova.html \
         zen1.zpr zen2.zpr zen3.zpr zen4.zpr zen5.zpr zen6.zpr \
         zen1.his zen2.his zen3.his zen4.his zen5.his zen6.his \
         zen1.sta zen2.sta zen3.sta zen4.sta zen5.sta zen6.sta; do
  if [ ! -f "$root/share/zentova/$f" ]; then
    fail "share/zentova/$f is missing"
  elif ! cmp -s "$source/data/$f" "$root/share/zentova/$f"; then
    fail "share/zentova/$f differs from data/$f"
  fi
done
# Every picture the manual refers to is installed beside it.
for picture in $(sed -n 's/.*src="\([^"]*\)".*/\1/p' "$source/data/Zentova.html"); do
  [ -f "$root/share/zentova/$picture" ] || fail "the manual's picture $picture is missing"
done

desktop="$root/share/applications/zentova.desktop"
[ -f "$desktop" ] || fail "share/applications/zentova.desktop is missing"
grep -q '^Exec=zentova' "$desktop" || fail "the desktop entry does not start zentova"
grep -q '^Icon=zentova$' "$desktop" || fail "the desktop entry names no icon zentova"
if command -v desktop-file-validate > /dev/null; then
  out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
  [ -z "$out" ] || fail "desktop-file-validate warns: $out"
else
  echo "note: desktop-file-validate not installed (package desktop-file-utils); not run"
fi
icon=$(ls "$root"/share/icons/hicolor/*/apps/zentova.png 2>/dev/null | head -n 1)
[ -n "$icon" ] || fail "no icon share/icons/hicolor/*/apps/zentova.png"
[ -z "$icon" ] || head -c 8 "$icon" | grep -q PNG || fail "$icon is not a PNG file"

man="$root/share/man/man1/zentova.1"
[ -f "$man" ] || fail "share/man/man1/zentova.1 is missing"
grep -q '@[A-Z]*@' "$man" && fail "the man page holds an unreplaced @VARIABLE@"
grep -q 'share/zentova' "$man" || fail "the man page does not name share/zentova"
if command -v man > /dev/null; then
  out=$(MANWIDTH=80 man -l "$man" 2>&1 >/dev/null | grep -v '^$') 
  [ -z "$out" ] || fail "man reports: $out"
fi

# The installed program runs its command-line calculation on an installed example.
mkdir "$work/calc"
cp "$root/share/zentova/zen3.zpr" "$work/calc/gas.zpr"
(cd "$work/calc" && "$root/bin/zentova" --calculate gas.zpr --steps 300 --seed 1 2> /dev/null) ||
  fail "the installed program cannot calculate an installed example"
[ -s "$work/calc/gas.sta" ] || fail "no final state from the installed program"

# The Debian package.
if command -v dpkg-deb > /dev/null; then
  if (cd "$build" && cpack -G DEB -B "$work/package" > "$work/cpack.log" 2>&1); then
    deb=$(ls "$work"/package/*.deb | head -n 1)
    contents=$(dpkg-deb -c "$deb")
    for f in ./usr/bin/zentova ./usr/share/zentova/zen6.his ./usr/share/zentova/okla.bmp \
             ./usr/share/applications/zentova.desktop ./usr/share/man/man1/zentova.1; do
      echo "$contents" | grep -q " $f\$" || fail "the package lacks $f"
    done
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "$depends" | grep -q 'libqt6widgets6' || fail "the package depends on no Qt: $depends"
    [ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "the package names no maintainer"
  else
    fail "cpack: $(tail -n 5 "$work/cpack.log")"
  fi
fi
[ $failed -eq 0 ] && echo "installation complete: $(find "$work/root" -type f | wc -l) files"
exit $failed
