#!/usr/bin/env bash
# Runs a GUI test program on an X server of its own with openbox managing
# its windows, as on a desktop: Xvfb picks a free display (-displayfd, so
# tests run side by side), openbox is waited for until it manages windows,
# the program runs on the xcb platform whatever QT_QPA_PLATFORM says, and
# both servers are stopped however the program ends. Every wait is bounded.
#   run_under_wm.sh TEST_PROGRAM [ARGS...]
set -u
program="$1"
shift

fail() { echo "run_under_wm: $*" >&2; exit 1; }
for tool in Xvfb openbox xprop xauth timeout; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup.sh installs it)"
done

scratch="$(mktemp -d)"
xvfb_pid=""
wm_pid=""
stop() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  [ -n "$wm_pid" ] && wait "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$scratch"
}
trap stop EXIT
trap 'exit 143' TERM INT

# A cookie of our own: only this test's programs reach the server.
export XAUTHORITY="$scratch/Xauthority"
cookie="$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')"
# The server reads its cookies when it starts, whatever display they name;
# clients look theirs up under the display, added once it is known.
xauth -f "$XAUTHORITY" add :0 MIT-MAGIC-COOKIE-1 "$cookie" 2>/dev/null || fail "xauth could not write a cookie"

Xvfb -displayfd 3 -screen 0 "${ORV_WM_SCREEN:-1280x1024x24}" -nolisten tcp -auth "$XAUTHORITY" \
  3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$scratch/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
  sleep 0.1
done
[ -s "$scratch/display" ] || fail "Xvfb gave no display within 10 s"
export DISPLAY=":$(head -n1 "$scratch/display")"
xauth -f "$XAUTHORITY" add "$DISPLAY" MIT-MAGIC-COOKIE-1 "$cookie" 2>/dev/null ||
  fail "xauth could not write a cookie"

# openbox with its stock configuration and a home of its own.
HOME="$scratch" openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
wm_pid=$!
managed=""
for _ in $(seq 100); do
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
    managed=1
    break
  fi
  kill -0 "$wm_pid" 2>/dev/null || fail "openbox did not start: $(cat "$scratch/openbox.log")"
  sleep 0.1
done
[ -n "$managed" ] || fail "openbox did not manage windows within 10 s"

# Bounded below the test's own time-out, so that the servers are stopped.
QT_QPA_PLATFORM=xcb timeout -k 5 "${ORV_WM_TEST_TIMEOUT:-100}" "$program" "$@"
rc=$?
[ "$rc" -eq 124 ] && echo "run_under_wm: the test program did not end in time" >&2
exit "$rc"
