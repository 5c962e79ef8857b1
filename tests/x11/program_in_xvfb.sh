# Sourced by the scripts that run the real program: gives it a program directory
# of its own holding the sample files, and a virtual X server.
#   start_program_in_xvfb PROGRAM SAMPLE_DIR
# Sets $work, $program_pid and DISPLAY; everything is cleaned up on exit.
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

start_program_in_xvfb() {
  cp "$1" "$work/rodedizevad"
  cp "$2/amateur.txt" "$2/config.txt" "$work/"
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
}
