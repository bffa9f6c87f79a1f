#!/bin/sh
# On a real X server (Xvfb), the program ends with status 0 and without a word when its window is
# destroyed from outside (`xdotool windowclose`, another client's XDestroyWindow), and when it is
# closed by a click on Close while a typed invalid discount waits to be applied (no warning is
# raised on the way out, which left the process running once its box was answered).
program=$1
tmp=$(mktemp -d) || exit 1
xvfb=
app=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  [ -s "$tmp/err" ] && sed 's/^/  stderr: /' "$tmp/err"
  exit 1
}

# A display of its own, on the first free number.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || fail "Xvfb did not start"
DISPLAY=:$(cat "$tmp/display")
export DISPLAY
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
mkdir -m 700 "$tmp/runtime"

start() {
  HOME="$tmp" XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/runtime" "$program" 2>"$tmp/err" &
  app=$!
  window=
  for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --pid "$app" --name 'Corvane' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || fail "the window did not appear"
}

# ends HOW: the program is gone within ten seconds, with status 0 and nothing on stderr.
ends() {
  for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$app" 2>/dev/null && fail "$1: the program runs on without its window"
  wait "$app"
  status=$?
  app=
  [ "$status" -eq 0 ] || fail "$1: the program ended with status $status"
  [ -s "$tmp/err" ] && fail "$1: the program wrote to standard error"
}

start
xdotool windowclose "$window" 2>/dev/null
ends "xdotool windowclose"

# The keys go where the X input focus is, as a person's do (no window manager gives it here). The
# focus starts in From: Tab passes To and Close to the discount field.
start
xdotool windowfocus --sync "$window"
xdotool key --delay 50 Down Tab Tab Tab ctrl+a minus 1 percent
xdotool mousemove --window "$window" 376 464 click 1  # the middle of Close
ends "Close clicked with a typed -1%"
exit 0
