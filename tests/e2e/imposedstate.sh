#!/usr/bin/env bash
# Has the compositor impose a state on the program's window or on its
# message box, with weston's own key bindings: the program lives, both
# fields keep their text, and once the state is undone the screen shows
# exactly what it showed before (but for the window's title bar).
#
# Usage: imposedstate.sh <program> window|box maximise|fullscreen
#   (run inside scripts/wayland-session)
set -euo pipefail
source "$(dirname "$0")/drive.sh"
declare -A binding=([maximise]=super+shift+m [fullscreen]=super+shift+f)
target=$2 state=$3

start_with_both_fields "$1"
if [[ $target == box ]]; then
    keys alt+o # letters bring up the box, which takes the keyboard
    wait_for_windows 2
else
    keys Tab # onto Clear: no blinking text cursor in the pictures
fi

sleep 0.5 # a new window is made before it is painted
shots=$(mktemp -d -p "$XDG_RUNTIME_DIR")
wayland_screen "$shots/before.png" >/dev/null
own_size=$(window_sizes | tail -n1) mark=$(window_sizes | wc -l)
xdotool key --clearmodifiers "${binding[$state]}"
sleep 2 # the state comes, and is undone
keys Tab shift+Tab # the focus leaves and comes back: the program draws anew
sleep 1
kill -0 "$pid" 2>/dev/null && alive=yes || alive=no
check "imposed $state on the $target, the program lives" yes "$alive"
[[ $alive == yes ]] || finish
[[ $target == box ]] || check "the window took the $state size" yes "$(grew_since "$mark" "$own_size")"
wayland_screen "$shots/after.png" >/dev/null
changed=$(compare -metric AE "$shots/before.png" "$shots/after.png" null: 2>&1 || true)
check "$state undone, the screen is as before" 0 "$changed"

[[ $target == box ]] && keys Return || keys shift+Tab # back in the punt field
check "the punt field keeps its text" abc "$(focused_field_text_becomes abc)"
keys shift+Tab
check "the euro field keeps its text" 10 "$(focused_field_text_becomes 10)"
exit_with_alt_x "$pid"
finish
