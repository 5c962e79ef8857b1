#!/usr/bin/env bash
# The real program in a virtual X server: it must open its main window with the
# standard caption, draw something, and end with status 0 when the window is closed.
#   run_program_test.sh PROGRAM SAMPLE_DIR CLOSE_HELPER
# With RDZ_X11_SCREENSHOT=path the screenshot of the window is kept there.
set -euo pipefail

program=$1
samples=$2
close_helper=$3
caption='^RodeDizevad - beta release by Quorbel v0\.05beta$'

work=$(mktemp -d)
xvfb_pid=''
program_pid=''
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# A program directory of its own, holding the sample files.
cp "$program" "$work/rodedizevad"
cp "$samples/amateur.txt" "$samples/config.txt" "$work/"

# Xvfb picks a free display and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
# In a sanitizer build: the system's xkbcommon reads its keymap names with a
# bounded strndup, which strict string checking reports although it is legal.
if [ -n "${ASAN_OPTIONS:-}" ]; then export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"; fi

(cd / && exec "$work/rodedizevad") >"$work/program.log" 2>&1 &
program_pid=$!

window=$(timeout 30 xdotool search --sync --onlyvisible --name "$caption" | head -n1) ||
  fail "no window titled with the standard caption; program said: $(cat "$work/program.log")"
[ -n "$window" ] || fail "no window found"

# Wait until the window has been drawn: a blank picture has a single colour.
colours=0
for _ in $(seq 50); do
  import -window "$window" "$work/shot.png" 2>/dev/null || true
  if [ -s "$work/shot.png" ]; then
    colours=$(identify -format '%k' "$work/shot.png")
    [ "$colours" -gt 20 ] && break
  fi
  sleep 0.2
done
[ "$colours" -gt 20 ] || fail "the window stays blank ($colours colours)"
if [ -n "${RDZ_X11_SCREENSHOT:-}" ]; then cp "$work/shot.png" "$RDZ_X11_SCREENSHOT"; fi

"$close_helper" "$window" || fail "could not send the close request"
for _ in $(seq 50); do
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$program_pid" 2>/dev/null && fail "the program is still running 5 s after the close request"
status=0
wait "$program_pid" || status=$?
program_pid=''
[ "$status" -eq 0 ] || fail "exit status $status; program said: $(cat "$work/program.log")"
echo "window $window drawn with $colours colours; program ended with status 0"
