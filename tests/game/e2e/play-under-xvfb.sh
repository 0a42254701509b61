#!/bin/sh
# Plays the real pondaro program under a virtual X server: opens "About Pondaro" from the game
# window's menu bar while the name prompt waits, types a name and a few answers with xdotool as
# a user would, checks on a screenshot that the status display's green, yellow and
# orange text is on screen, then quits through the "Quit the game?" alert and expects the
# program to end with status 0.
# Usage: play-under-xvfb.sh <pondaro binary>. Exits with 77 (skipped) when xvfb-run is missing.
set -eu

if [ "${1:-}" != --inside ]; then
    if ! command -v xvfb-run >/dev/null 2>&1; then
        echo "xvfb-run is not installed: skipped"
        exit 77
    fi
    for tool in xdotool import convert; do
        command -v "$tool" >/dev/null 2>&1 || { echo "$tool is not installed" >&2; exit 1; }
    done
    exec timeout 150 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "$1"
fi

binary=$2
. "$(dirname "$0")/common.sh"

# Runs a command until it succeeds with some output, 0.2 s apart for at most 20 s, and prints
# that output.
retry() {
    tries=0
    until out=$("$@" 2>/dev/null) && [ -n "$out" ]; do
        tries=$((tries + 1))
        [ "$tries" -lt 100 ] || return 1
        sleep 0.2
    done
    printf '%s\n' "$out"
}

# The program's visible window that is neither the game window nor the window given: the
# line-input window of the next prompt, or an alert.
next_window() {
    for window in $(xdotool search --onlyvisible --pid "$pid"); do
        if [ "$window" != "$game" ] && [ "$window" != "$1" ]; then
            echo "$window"
            return 0
        fi
    done
    return 1
}

# Waits for the next prompt or alert, gives it the keyboard, types the text and presses Return.
previous=none
answer() {
    window=$(retry next_window "$previous") || fail "no window came to take \"$1\""
    xdotool windowfocus --sync "$window"
    if [ -n "$1" ]; then
        xdotool type --delay 20 "$1"
    fi
    xdotool key Return
    previous=$window
}

# Whether the screenshot holds pixels of each colour given (six hex digits).
shows_colours() {
    import -window root "$work/screen.png"
    convert "$work/screen.png" -format %c histogram:info:- >"$work/histogram"
    for colour in "$@"; do
        grep -qiE "#$colour( |\$)" "$work/histogram" || return 1
    done
    echo yes
}

QT_QPA_PLATFORM=xcb "$binary" >"$work/log" 2>&1 &
pid=$!

game=$(retry xdotool search --onlyvisible --name '^Pondaro$') || fail "no window titled Pondaro"
game=$(echo "$game" | head -n 1)

# Whether the window given is no longer on screen.
gone() {
    xdotool search --onlyvisible --pid "$pid" | grep -qx "$1" || echo yes
}

# While the name prompt waits, the menu bar works: its "Pondaro" title opens the menu, and
# "About Pondaro", its first item, the about box; Return closes that again.
prompt=$(retry next_window none) || fail "no name prompt"
xdotool mousemove --window "$game" 30 10 click 1
sleep 0.5
xdotool mousemove --window "$game" 50 38 click 1
about=$(retry next_window "$prompt") || fail "About Pondaro opened no about box"
xdotool windowfocus --sync "$about"
xdotool key Return
retry gone "$about" >/dev/null || fail "the about box stayed open"

answer Ann
# After the name only the first status display is on screen: green for the points, yellow for
# the name, orange for the CPU's count.
retry shows_colours 00FF00 FFFF00 FF8000 >/dev/null ||
    fail "the status display's colours are not on screen: $(cat "$work/histogram")"
for card in 7 A K; do
    answer "$card"
done

answer x
# The alert's first button, "Quit", is its default: Return chooses it.
answer ""
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "pondaro showed its about box from the menu, played, showed its status display and quit with status 0"
