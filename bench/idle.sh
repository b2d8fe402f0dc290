#!/bin/sh
# CPU time and wakeups of the program over ten idle seconds on an exercise
# screen ("Numero seguente entro 10", one question asked). Goal: zero; no
# timer runs while nothing happens. Needs $DISPLAY and xdotool.
#   bench/idle.sh BUILD_DIR [SECONDS]
set -u
build=$1
seconds=${2:-10}
"$build/aritmetica" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null' EXIT
window() { timeout 15 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
click() { xdotool mousemove --sync --window "$1" $(($2 / 15)) $(($3 / 15)) click 1; sleep 0.5; }
click "$(window "Aritmetica cl. I$")" 5947 3547
click "$(window "Menu principale")" 3060 3727
click "$(window "Menu operazioni entro 10")" 7040 2460
click "$(window "Numero seguente entro 10")" 967 8167
# The instruction said at the opening has ended by then.
xdotool mousemove 0 0; sleep 4

# CPU ticks (utime + stime) and context switches of every thread.
ticks() { awk '{print $14 + $15}' /proc/$pid/stat; }
switches() { cat /proc/$pid/task/*/status | awk '/ctxt_switches/ {s += $2} END {print s}'; }
t0=$(ticks); s0=$(switches)
sleep "$seconds"
t1=$(ticks); s1=$(switches)
hz=$(getconf CLK_TCK)
echo "idle ${seconds} s on Form14: CPU $(( (t1 - t0) * 1000 / hz )) ms, wakeups $((s1 - s0)) (context switches of all threads)"
