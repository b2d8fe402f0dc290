#!/bin/sh
# The program touches nothing: under strace, a walk through the menus and two
# exercises to "ESCI" fails on a file written, a socket but the display's and
# the sound server's, or a process started (77: no window).
#   tests/touches-nothing.sh PATH/TO/aritmetica
set -u
program=$1
log=$(mktemp -d)/strace.log
# KEEP_STRACE=FILE keeps the trace for a look.
trap 'kill $pid 2>/dev/null; [ -n "${KEEP_STRACE:-}" ] && cp "$log" "$KEEP_STRACE"; rm -rf "$(dirname "$log")"' EXIT

strace -f -qq -o "$log" -e trace=open,openat,openat2,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,link,symlink,truncate,socket,connect,bind,execve,execveat,fork,vfork,clone,clone3 \
  "$program" &
pid=$!

# A window by a piece of its title, waited for.
window() { timeout 15 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
# A click at a point given in twips of the window's client area.
click() { xdotool mousemove --sync --window "$1" $(($2 / 15)) $(($3 / 15)) click 1; sleep 0.3; }
keys() { xdotool windowfocus --sync "$1" 2>/dev/null; shift; xdotool key --delay 100 "$@"; sleep 0.3; }

w=$(window "Aritmetica cl. I$")
if [ -z "$w" ]; then echo "touches-nothing: the program showed no window; skipped"; exit 77; fi
click "$w" 5947 3547                                   # "ARITMETICA"
w=$(window "Menu principale"); click "$w" 3060 3727    # "OPERAZIONI VARIE ENTRO IL 9"
w=$(window "Menu operazioni entro 10"); click "$w" 7040 2460   # "Trova il numero successivo"
w=$(window "Numero seguente entro 10")
click "$w" 967 8167                                    # the chalk
keys "$w" Tab 5 BackSpace 3
click "$w" 967 8167
keys "$w" 7
click "$w" 8467 7567                                   # "TORNA A MENU10"
w=$(window "Menu operazioni entro 10"); click "$w" 6840 6060   # "Addizioni in riga"
w=$(window "Addizion in riga")
click "$w" 1027 8167                                   # the chalk
keys "$w" Tab 4 KP_2
click "$w" 8707 7447                                   # "TORNA A MENU10"
w=$(window "Menu operazioni entro 10"); click "$w" 2107 8107   # "ESCI"

for i in $(seq 1 50); do kill -0 $pid 2>/dev/null || break; sleep 0.2; done
if kill -0 $pid 2>/dev/null; then echo "touches-nothing: FAIL: still running after ESCI"; exit 1; fi
wait $pid
status=$?

# What it did, less what any program does to start and to reach the
# display and the sound server.
findings=$(awk '
  /resumed>/ { next }
  / = -1 / { next }                                    # attempts that failed touched nothing
  /execve\(/ { if (++execs > 1) print "process started: " $0; next }
  /(^| )(fork|vfork)\(/ { print "process started: " $0; next }
  /clone3?\(/ && !/CLONE_THREAD/ { print "process started: " $0; next }
  /(open|openat|openat2)\(/ && /O_WRONLY|O_RDWR|O_CREAT|O_TRUNC/ && !/"\/dev\/null"/ { print "opened for writing: " $0; next }
  /(creat|mkdir|mkdirat|rename|renameat|renameat2|unlink|unlinkat|link|symlink|truncate)\(/ { print "changed a file: " $0; next }
  # the media library listens for devices plugged in (a kernel socket that
  # reaches nothing)
  /socket\(/ && /AF_NETLINK/ && /NETLINK_KOBJECT_UEVENT/ { uevent[$1 ":" $NF] = 1; next }
  /bind\(/ && /AF_NETLINK/ { fd = $2; sub(/^bind\(/, "", fd); sub(/,.*/, "", fd); if (($1 ":" fd) in uevent) next }
  /socket\(/ && !/AF_UNIX|AF_LOCAL/ { print "socket: " $0; next }
  /connect\(/ && !/X11-unix|pulse/ { print "connected to: " $0; next }
  /bind\(/ { print "bound: " $0; next }
' "$log")
if [ -n "$findings" ]; then
  echo "touches-nothing: FAIL"; echo "$findings"; exit 1
fi
echo "touches-nothing: ended with status $status; no file written or created, no socket but the display and the sound server, no process started"
exit "$status"
