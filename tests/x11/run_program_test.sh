#!/usr/bin/env bash
# The real program in a virtual X server: it must open its main window with the
# standard caption, draw something, and end with status 0 when the window is closed.
#   run_program_test.sh PROGRAM SAMPLE_DIR CLOSE_HELPER
# With RDZ_X11_SCREENSHOT=path the screenshot of the window is kept there.
set -euo pipefail

program=$1
samples=$2
close_helper=$3
source "$(dirname "$0")/program_in_xvfb.sh"
start_program_in_xvfb "$program" "$samples"

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
