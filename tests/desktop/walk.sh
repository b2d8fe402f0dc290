# Sourced by the tests driving "$program"'s windows with xdotool: skips (77)
# without a display; sets work; fail and finish end $pid and $helpers.
if [ -z "$DISPLAY" ]; then
  echo "SKIP: no DISPLAY (tools/test-all starts Xvfb for this test)"
  exit 77
fi
work=$(mktemp -d)
pid=
helpers=
finish() {
  kill $pid $helpers 2>/dev/null
  wait $helpers 2>/dev/null
  rm -rf "$work"
}
fail() {
  echo "FAIL: $*"
  [ -f "$work/log" ] && cat "$work/log"
  finish
  exit 1
}
wait_for() {  # a command's success, for as long as a loaded machine takes
  i=0
  until "$@" >/dev/null 2>&1; do
    i=$((i + 1)); [ $i -gt 1200 ] && return 1
    sleep 0.1
  done
}
# The window of $pid whose title ends with $1.
window() { timeout 120 xdotool search --all --onlyvisible --sync --pid $pid --name "$1\$" | head -1; }
# start [OPTION]: the program and its title window; main_menu: on through
# "ARITMETICA"; walk [OPTION]: on to "Numero seguente entro 10". Each sets w.
start() {
  "$program" "$@" >"$work/log" 2>&1 &
  pid=$!
  w=$(window 'Aritmetica cl\. I') && [ -n "$w" ] || fail "no title window"
}
main_menu() {
  xdotool mousemove --sync --window "$w" 396 236 click 1  # ARITMETICA
  w=$(window 'Menu principale') && [ -n "$w" ] || fail "no main menu"
}
walk() {
  start "$@"
  main_menu
  xdotool mousemove --sync --window "$w" 200 248 click 1  # OPERAZIONI VARIE ENTRO IL 9
  w=$(window 'Menu operazioni entro 10') && [ -n "$w" ] || fail "no menu within 10"
  xdotool mousemove --sync --window "$w" 450 160 click 1  # Trova il numero successivo
  w=$(window 'Numero seguente entro 10') && [ -n "$w" ] || fail "no next-number screen"
}
# esci [X Y]: the sponge (of an exercise screen unless placed), and a clean end.
ended() { ! kill -0 $pid; }
esci() {
  xdotool mousemove --sync --window "$w" ${1:-140} ${2:-544} click 1
  wait_for ended || fail "the program did not end at ESCI"
  wait $pid || fail "the program exited with status $?"
  pid=
}
