#!/bin/sh
# Catches the real program's --esporta needing a display, not listing every
# answer kept as a spreadsheet, or ending with 0 with no record or no file.
#   class_record_test.sh PATH/TO/aritmetica
program=$1
work=$(mktemp -d)
fail() {
  echo "FAIL: $*"
  rm -rf "$work"
  exit 1
}
mkdir "$work/kept"
sqlite3 "$work/kept/registro.sqlite" "
  CREATE TABLE children(name TEXT PRIMARY KEY, picture INTEGER, added TEXT);
  CREATE TABLE answers(child, screen, menu, asked, shown, attempt, given, \"right\", ms, first_right);
  INSERT INTO children VALUES ('Anna', 0, '');
  INSERT INTO answers VALUES ('Anna', 14, 'Numero seguente entro 10', '2026-12-08 09:14:03.120', '4', 1, '5', 1, 900, 1),
    ('Anna', 14, 'Numero seguente entro 10', '2026-12-08 09:14:09.050', '7', 1, '9', 0, 1500, 0),
    ('Anna', 14, 'Numero seguente entro 10', '2026-12-08 09:14:09.050', '7', 2, '8', 1, 2100, 0);" ||
  fail "sqlite3 could not write the record"
said=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" --classe "$work/kept" --esporta "$work/out.csv") ||
  fail "--esporta ended with status $?"
[ "$said" = "3 righe" ] || fail "--esporta said '$said'"
[ "$(wc -l <"$work/out.csv")" = 4 ] || fail "the spreadsheet is not a header and three answers: $(cat "$work/out.csv")"
grep -q '^Anna;14;Numero seguente entro 10;2026-12-08 09:14:09.050;7;2;8;' "$work/out.csv" ||
  fail "the third answer is not in the spreadsheet: $(cat "$work/out.csv")"
"$program" --classe "$work/none" --esporta "$work/x.csv" 2>/dev/null && fail "--esporta of no record ended with status 0"
"$program" --classe "$work/kept" --esporta "$work/no/such/x.csv" 2>/dev/null &&
  fail "--esporta to a folder that is not there ended with status 0"

rm -rf "$work"
echo "PASS"
