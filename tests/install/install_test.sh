#!/bin/sh
# Installation: "cmake --install" into a scratch root puts the executable, the shipped files,
# the desktop entry, the icon, the file types and the man page in place; the desktop entry is
# valid and opens the program's files; the Debian package holds the same files, names its
# dependencies and passes lintian without an error or a warning.
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
gui=libexec/zentova/zentova-gui
[ -x "$root/$gui" ] || fail "$gui (the window part) is missing or not executable"
for f in demo.zpr okla.bmp Zentova.html \
         zen1.zpr zen2.zpr zen3.zpr zen4.zpr zen5.zpr zen6.zpr \
         zen1.his zen2.his zen3.his zen4.his zen5.his zen6.his \
         zen1.sta zen2.sta zen3.sta zen4.sta zen5.sta zen6.sta \
         zen1.readings.csv zen2.readings.csv zen3.readings.csv zen4.readings.csv \
         zen5.readings.csv zen6.readings.csv; do
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
# The file types: each file of a project is recognised by the MIME database built from the
# installed XML, and the desktop entry is what opens it; the names as a file manager sees
# them, in any case.
if command -v update-mime-database > /dev/null && command -v xdg-mime > /dev/null &&
   command -v update-desktop-database > /dev/null; then
  update-mime-database "$root/share/mime" > /dev/null 2>&1 || fail "update-mime-database"
  update-desktop-database "$root/share/applications" || fail "update-desktop-database"
  mkdir "$work/files"
  cp "$source/data/zen1.zpr" "$work/files/alpha.zpr"
  cp "$source/data/zen1.his" "$work/files/alpha.his"
  cp "$source/data/zen1.sta" "$work/files/ALPHA.STA"
  for pair in alpha.zpr:project alpha.his:trajectory ALPHA.STA:state; do
    file="$work/files/${pair%%:*}"
    type="application/x-zentova-${pair#*:}"
    xdg() {
      env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION \
        XDG_DATA_HOME="$work/nothing" XDG_CONFIG_HOME="$work/nothing" \
        XDG_DATA_DIRS="$root/share:/usr/share" xdg-mime "$@" 2>&1
    }
    found=$(xdg query filetype "$file")
    [ "$found" = "$type" ] || fail "xdg-mime takes ${pair%%:*} for \"$found\", not $type"
    found=$(xdg query default "$type")
    [ "$found" = zentova.desktop ] || fail "$type opens with \"$found\", not zentova.desktop"
  done
else
  echo "note: shared-mime-info, xdg-utils or desktop-file-utils missing; file types not checked"
fi
icon=$(ls "$root"/share/icons/hicolor/*/apps/zentova.png 2>/dev/null | head -n 1)
[ -n "$icon" ] || fail "no icon share/icons/hicolor/*/apps/zentova.png"
[ -z "$icon" ] || head -c 8 "$icon" | grep -q PNG || fail "$icon is not a PNG file"

# The software centre's description, valid without asking the network.
metainfo="$root/share/metainfo/zentova.metainfo.xml"
if [ ! -f "$metainfo" ]; then
  fail "share/metainfo/zentova.metainfo.xml is missing"
elif command -v appstreamcli > /dev/null; then
  out=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) || fail "appstreamcli: $out"
  grep -q "<release version=\"$(sed -n 's/^project(Zentova VERSION \([0-9.]*\).*/\1/p' \
    "$source/CMakeLists.txt")\"" "$metainfo" || fail "the metainfo lists no release of this version"
else
  echo "note: appstreamcli not installed (package appstream); the metainfo was not checked"
fi

# Each installed language has its manual, its words in the desktop entry and in the
# software centre's description; each manual's pictures are installed, and its links into
# the English manual lead to a heading there.
for qm in "$root"/share/zentova/translations/zentova_*.qm; do
  [ -f "$qm" ] || { fail "no catalogue in share/zentova/translations"; break; }
  code=$(basename "$qm" .qm)
  code=${code#zentova_}
  [ "$code" = en ] && continue
  [ -f "$root/share/zentova/Zentova.$code.html" ] || fail "no manual Zentova.$code.html for $code"
  grep -q "^Comment\[$code\]=" "$desktop" || fail "the desktop entry has no Comment[$code]"
  grep -q "<lang>$code</lang>" "$metainfo" || fail "the metainfo's languages lack $code"
  grep -q "<summary xml:lang=\"$code\">" "$metainfo" || fail "the metainfo has no $code summary"
done
for manual in "$source"/data/Zentova.*.html; do
  name=$(basename "$manual")
  for picture in $(grep -o 'src="[^"]*"' "$manual" | sed 's/src="\(.*\)"/\1/'); do
    [ -f "$root/share/zentova/$picture" ] || fail "$name's picture $picture is missing"
  done
  for anchor in $(grep -o 'href="Zentova.html#[^"]*"' "$manual" | sed 's/.*#\(.*\)"/\1/'); do
    grep -q "id=\"$anchor\"" "$source/data/Zentova.html" ||
      fail "$name links to Zentova.html#$anchor, which is no heading"
  done
done

man="$root/share/man/man1/zentova.1.gz"
[ -f "$man" ] || fail "share/man/man1/zentova.1.gz is missing"
gzip -dc "$man" | grep -q '@[A-Z]*@' && fail "the man page holds an unreplaced @VARIABLE@"
gzip -dc "$man" | grep -q 'share/zentova' || fail "the man page does not name share/zentova"
if command -v man > /dev/null; then
  out=$(MANWIDTH=80 man -l "$man" 2>&1 >/dev/null | grep -v '^$') 
  [ -z "$out" ] || fail "man reports: $out"
fi

# The hardening of the release build, which lintian reports only in part: relocations
# resolved at start and then read-only, checked string functions, stack canaries. The
# sanitizer build, and one built without it on purpose, go without.
if command -v readelf > /dev/null &&
   ! grep -q '^ZENTOVA_SANITIZE:STRING=.' "$build/CMakeCache.txt" &&
   ! grep -q '^ZENTOVA_HARDEN:BOOL=OFF' "$build/CMakeCache.txt"; then
  for name in bin/zentova "$gui"; do
    exe="$root/$name"
    readelf -d "$exe" | grep -q 'FLAGS.*NOW' || fail "$name is not linked with -z now"
    readelf -l "$exe" | grep -q 'GNU_RELRO' || fail "$name is not linked with -z relro"
    symbols=$(readelf --dyn-syms -W "$exe")
    echo "$symbols" | grep -q '__[a-z]*_chk@' || fail "$name calls no checked function"
    echo "$symbols" | grep -q '__stack_chk_fail' || fail "$name has no stack protector"
  done
fi
# The front loads no window library, so that the commands that draw nothing start at once.
if command -v readelf > /dev/null; then
  needed=$(readelf -d "$root/bin/zentova" | grep NEEDED)
  echo "$needed" | grep -qi 'qt\|libGL\|libav' && fail "bin/zentova loads a window library: $needed"
fi

# The installed program runs its command-line calculation on an installed example.
mkdir "$work/calc"
cp "$root/share/zentova/zen3.zpr" "$work/calc/gas.zpr"
(cd "$work/calc" && "$root/bin/zentova" --calculate gas.zpr --steps 300 --seed 1 2> /dev/null) ||
  fail "the installed program cannot calculate an installed example"
[ -s "$work/calc/gas.sta" ] || fail "no final state from the installed program"
# ... and hands a drawing command to the installed window part, which reads the project.
out=$(cd "$work/calc" && "$root/bin/zentova" --analyse missing.zpr 2>&1)
case "$out" in
  "zentova: missing.zpr:"*) ;;
  *) fail "the installed program does not hand --analyse to its window part: $out" ;;
esac

# The Debian package.
if command -v dpkg-deb > /dev/null; then
  if (cd "$build" && cpack -G DEB -B "$work/package" > "$work/cpack.log" 2>&1); then
    deb=$(ls "$work"/package/*.deb | head -n 1)
    contents=$(dpkg-deb -c "$deb")
    for f in ./usr/bin/zentova ./usr/$gui ./usr/share/zentova/zen6.his ./usr/share/zentova/okla.bmp \
             ./usr/share/applications/zentova.desktop ./usr/share/man/man1/zentova.1.gz \
             ./usr/share/mime/packages/zentova.xml ./usr/share/doc/zentova/copyright \
             ./usr/share/doc/zentova/changelog.gz ./usr/share/metainfo/zentova.metainfo.xml; do
      echo "$contents" | grep -q " $f\$" || fail "the package lacks $f"
    done
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "$depends" | grep -q 'libqt6widgets6' || fail "the package depends on no Qt: $depends"
    [ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "the package names no maintainer"
    # A new version needs its entry in the changelog.
    version=$(dpkg-deb -f "$deb" Version)
    top=$(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/zentova/changelog.gz |
          gzip -dc | head -n 1)
    case "$top" in
      "zentova ($version) "*) ;;
      *) fail "the changelog begins with \"$top\", not version $version" ;;
    esac
    # Errors and warnings fail, and so do the hardening notes lintian gives as information.
    if command -v lintian > /dev/null; then
      tags=$(lintian --info "$deb" 2>&1 | grep -v 'running with root privileges' |
             grep -E '^[EW]: |hardening-')
      [ -z "$tags" ] || fail "lintian: $tags"
    else
      echo "note: lintian not installed; the package was not checked"
    fi
  else
    fail "cpack: $(tail -n 5 "$work/cpack.log")"
  fi
fi
[ $failed -eq 0 ] && echo "installation complete: $(find "$work/root" -type f | wc -l) files"
exit $failed
