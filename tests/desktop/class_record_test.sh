#!/bin/sh
# Catches the real program's class record failing where only the binary
# shows it: --esporta needing a display, not listing every answer kept (or
# not as a spreadsheet), or ending with status 0 when there is no record or
# the file cannot be written; and a damaged record stopping the program
# with --classe instead of being put aside for a new one.
#   class_record_test.sh PATH/TO/aritmetica
program=$1
work=$(mktemp -d)
pid=
fail() {
  echo "FAIL: $*"
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
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
head -c 3 "$work/out.csv" | od -An -tx1 | grep -q 'ef bb bf' || fail "the spreadsheet has no UTF-8 mark"
grep -q '^Anna;14;Numero seguente entro 10;2026-12-08 09:14:09.050;7;2;8;' "$work/out.csv" ||
  fail "the third answer is not in the spreadsheet: $(cat "$work/out.csv")"
"$program" --classe "$work/none" --esporta "$work/x.csv" 2>/dev/null && fail "--esporta of no record ended with status 0"
"$program" --classe "$work/kept" --esporta "$work/no/such/x.csv" 2>/dev/null &&
  fail "--esporta to a folder that is not there ended with status 0"

if [ -z "$DISPLAY" ]; then
  echo "SKIP: no DISPLAY for the damaged record"
  rm -rf "$work"
  exit 77
fi
echo "not a database" >"$work/kept/registro.sqlite"
HOME=$work "$program" --classe "$work/kept" >"$work/log" 2>&1 &
pid=$!
timeout 120 xdotool search --all --sync --onlyvisible --pid $pid --name 'Aritmetica cl\. I$' >/dev/null ||
  fail "the title window did not open with a damaged record: $(cat "$work/log")"
ls "$work/kept"/registro-danneggiato-*.sqlite >/dev/null 2>&1 || fail "the damaged record was not put aside: $(ls "$work/kept")"
kill -9 $pid
pid=
[ "$("$program" --classe "$work/kept" --esporta "$work/out.csv")" = "0 righe" ] || fail "the new record is not empty"
rm -rf "$work"
echo "PASS"
