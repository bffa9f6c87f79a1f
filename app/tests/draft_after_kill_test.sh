#!/bin/sh
# On a real X server (Xvfb), lines put on the quote sheet and never handed on outlive the program
# being killed (SIGKILL, as a crash or a power cut would end it): the next start shows the sheet
# with them again, without a question. A start without a draft shows no sheet.
program=$1
tmp=$(mktemp -d) || exit 1
xvfb=
app=
cleanup() {
  [ -n "$app" ] && kill -9 "$app" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  [ -s "$tmp/err" ] && sed 's/^/  stderr: /' "$tmp/err"
  exit 1
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || fail "Xvfb did not start"
DISPLAY=:$(cat "$tmp/display")
export DISPLAY
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
mkdir -m 700 "$tmp/runtime"

start() {
  HOME="$tmp" XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" \
    XDG_RUNTIME_DIR="$tmp/runtime" "$program" --register "$tmp/quotes.sqlite" 2>"$tmp/err" &
  app=$!
  window=
  for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --pid "$app" --name 'Corvane' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || fail "the window did not appear"
}

# sheet SECONDS: the quote sheet's window of the running program, if it shows within the time.
sheet() {
  for _ in $(seq $(($1 * 10))); do
    found=$(xdotool search --all --onlyvisible --pid "$app" --name '^Quotation$' 2>/dev/null | head -n 1)
    [ -n "$found" ] && { echo "$found"; return; }
    sleep 0.1
  done
}

killed() {
  kill -9 "$app"
  wait "$app" 2>/dev/null
  app=
}

start
[ -n "$(sheet 2)" ] && fail "a sheet showed at the first start"
# The focus starts in From: Down chooses its first package, priced new; Ctrl+Shift+A adds it.
xdotool windowfocus --sync "$window"
xdotool key --delay 50 Down ctrl+shift+a
[ -n "$(sheet 5)" ] || fail "the line was not added to the sheet"
sleep 0.5
killed

start
[ -n "$(sheet 10)" ] || fail "the lines were not back on the sheet after SIGKILL"
killed
exit 0
