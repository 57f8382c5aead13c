#!/bin/sh
# Runs a test program under an X server of its own (Xvfb on the first free display) with a window
# manager, so that grabs, focus and window activation follow the rules of a real session. Each run
# has its own server: tests running side by side never take each other's focus.
set -u
work=$(mktemp -d) || exit 1
xvfb=
wm=
cleanup() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Xvfb writes the display's number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
until grep -q . "$work/display" 2>/dev/null; do
    kill -0 "$xvfb" 2>/dev/null || { cat "$work/xvfb.log" >&2; exit 1; }
    sleep 0.02
done
DISPLAY=:$(cat "$work/display")
export DISPLAY

# The window manager touches a file once it manages windows.
openbox --sm-disable --startup "touch $work/wm" >"$work/wm.log" 2>&1 &
wm=$!
until [ -e "$work/wm" ]; do
    kill -0 "$wm" 2>/dev/null || { cat "$work/wm.log" >&2; exit 1; }
    sleep 0.02
done

# This session has no message bus: Qt would look for one, and libdbus keeps what it allocated for that
# (a leak in the sanitizer build).
DBUS_SESSION_BUS_ADDRESS=disabled: QT_QPA_PLATFORM=xcb "$@"
