#!/bin/sh
# Brings every catalogue in translations/ up to date with the texts of the program: new
# texts are added unfinished, for the translator to fill in Qt Linguist; texts gone from
# the program are marked vanished. Run from the repository's root after changing a text.
set -e
LUPDATE=/usr/lib/qt6/bin/lupdate
[ -x "$LUPDATE" ] || LUPDATE=lupdate
# translated() takes the arguments of Qt's own translate(), and is read as it.
OPTIONS="-silent -locations none -no-obsolete -tr-function-alias translate+=translated"
"$LUPDATE" $OPTIONS src -ts $(ls translations/zentova_*.ts | grep -v '_en\.ts$') "$@"
# English is the language the texts are written in: its catalogue holds only the counted
# texts, whose plural forms English needs too.
exec "$LUPDATE" $OPTIONS -pluralonly src -ts translations/zentova_en.ts "$@"
