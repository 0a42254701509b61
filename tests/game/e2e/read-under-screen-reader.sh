#!/bin/sh
# Reads the real pondaro program over the desktop's accessibility bus (AT-SPI), as a screen
# reader does, under a virtual X server with a private D-Bus session: the name prompt's field
# has the keyboard and the question as its name, the console's text holds the status display
# once a name is typed, and the "Quit the game?" alert offers its buttons by name.
# Usage: read-under-screen-reader.sh <pondaro binary>. Exits with 77 (skipped) when xvfb-run is
# missing.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
if [ "${1:-}" != --inside ]; then
    if ! command -v xvfb-run >/dev/null 2>&1; then
        echo "xvfb-run is not installed: skipped"
        exit 77
    fi
    for tool in dbus-run-session dbus-send xdotool /usr/bin/python3; do
        command -v "$tool" >/dev/null 2>&1 || { echo "$tool is not installed" >&2; exit 1; }
    done
    exec timeout 150 dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "$1"
fi

binary=$2
. "$(dirname "$0")/common.sh"

# Asks the accessibility bus until the answer holds the text given, for at most 20 s, and
# prints the last answer.
read_until() {
    for _ in $(seq 80); do
        out=$("$here/screen-reader.py" "$1" 2>/dev/null || true)
        case $out in *"$2"*) printf '%s\n' "$out"; return 0 ;; esac
        sleep 0.25
    done
    printf '%s\n' "$out"
    return 1
}

# A screen reader turns the desktop's accessibility on; programs then put their objects on the
# accessibility bus.
dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true >/dev/null

QT_QPA_PLATFORM=xcb "$binary" >"$work/log" 2>&1 &
pid=$!

read_until focus "text: What's your name?" || fail "the name prompt does not have the keyboard"
xdotool type --delay 20 Ann
xdotool key Return
read_until console "Your Cards: " || fail "the console's text has no status display"
read_until focus "text: What card do you want?" || fail "the card prompt does not have the keyboard"
xdotool type --delay 20 x
xdotool key Return
read_until buttons "Resume game; Quit" || fail "the quit alert's buttons are not readable"
xdotool key Return
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "the program ended with status $status"
