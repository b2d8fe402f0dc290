#!/bin/sh
# A child at the real program: random clicks (any button), keys and drags
# on whatever window is in front, for a number of seconds; the program
# is started again whenever it ends. Fails if it ever dies of a signal or
# exits with another status than 0.   tools/monkey.sh PATH/TO/aritmetica [SECONDS]
program=$1
seconds=${2:-60}
[ -n "$DISPLAY" ] || { echo "monkey: needs DISPLAY"; exit 2; }
keys="0 1 2 3 4 5 6 7 8 9 KP_0 KP_5 KP_9 a e i o u z BackSpace Tab Return Escape Delete Left Home shift"
end=$(($(date +%s) + seconds))
starts=0
while [ "$(date +%s)" -lt "$end" ]; do
  "$program" >/dev/null 2>&1 &
  pid=$!
  starts=$((starts + 1))
  while kill -0 $pid 2>/dev/null && [ "$(date +%s)" -lt "$end" ]; do
    w=$(xdotool search --onlyvisible --pid $pid 2>/dev/null | tail -1)
    [ -n "$w" ] || { sleep 0.05; continue; }
    case $(shuf -i 1-9 -n 1) in
      1|2|3|4) xdotool mousemove --window "$w" "$(shuf -i 0-791 -n 1)" "$(shuf -i 0-560 -n 1)" \
                 click "$(shuf -e 1 1 1 3 2 -n 1)" 2>/dev/null ;;
      5|6|7|8) xdotool key --window "$w" "$(shuf -e $keys -n 1)" 2>/dev/null ;;
      9) xdotool mousemove --window "$w" "$(shuf -i 0-791 -n 1)" "$(shuf -i 0-560 -n 1)" mousedown 1 \
           mousemove --window "$w" "$(shuf -i 0-791 -n 1)" "$(shuf -i 0-560 -n 1)" mouseup 1 2>/dev/null ;;
    esac
  done
  if ! kill -0 $pid 2>/dev/null; then
    wait $pid; status=$?
    [ $status -eq 0 ] || { echo "monkey: the program ended with status $status (start $starts)"; exit 1; }
  else
    kill $pid; wait $pid 2>/dev/null
  fi
done
echo "monkey: $seconds s, $starts starts, no crash"
