#!/bin/sh
# Catches the browser edition's scenario runner (under node) reporting a
# scenario file otherwise than the native one: the same report, the same
# closing line and exit code.    scenarios_test.sh NATIVE WEB_JS FILE.scn
native=$1 web=$2 file=$3
if [ ! -f "$web" ] || ! command -v node >/dev/null; then
  echo "skipped: no $web (tools/build-web builds it)"
  exit 77
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$native" --out "$out" "$file" >"$out/native.txt"; native_status=$?
node "$web" --out "$out" "$file" >"$out/web.txt"; web_status=$?
cat "$out/web.txt"
if ! cmp -s "$out/native.txt" "$out/web.txt" || [ $native_status -ne $web_status ]; then
  echo "the native runner said (exit $native_status):" && cat "$out/native.txt" && exit 1
fi
exit $web_status
