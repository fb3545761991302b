#!/usr/bin/env bash
# Runs the real program under a real window manager (openbox): the frame of
# the fixed-size window offers no maximise and no resize, and asking it to
# maximise or fill the screen leaves it in its normal state at 410 x 319.
#
# Usage: windowframe.sh <program>   (run inside scripts/xvfb-session)
set -euo pipefail
source "$(dirname "$0")/drive.sh"

# openbox keeps its log under the session's folder, not the user's home.
XDG_CACHE_HOME=$XDG_RUNTIME_DIR openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    wmctrl -m >/dev/null 2>&1 && break
    sleep 0.1
done

QT_QPA_PLATFORM=xcb "$1" &
pid=$!
trap 'kill $pid $wm 2>/dev/null || true' EXIT
window=$(xdotool search --sync --onlyvisible --name "$title" | head -n1)
for _ in $(seq 50); do
    actions=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS)
    [[ $actions == *_NET_WM_ACTION_CLOSE* ]] && break
    sleep 0.1
done
offers() { # <action>
    [[ " ${actions//,/ } " == *" _NET_WM_ACTION_$1 "* ]] && echo yes || echo no
}
for action in MOVE MINIMIZE CLOSE; do
    check "the frame offers $action" yes "$(offers $action)"
done
for action in MAXIMIZE_HORZ MAXIMIZE_VERT RESIZE; do
    check "the frame withholds $action" no "$(offers $action)"
done

filled_state() {
    xprop -id "$window" _NET_WM_STATE | grep -oE 'MAXIMIZED_(HORZ|VERT)|FULLSCREEN' || true
}
for request in maximized_vert,maximized_horz fullscreen; do
    wmctrl -i -r "$window" -b add,$request
    sleep 0.5 # let the window manager act before looking
    for _ in $(seq 30); do
        [[ -z $(filled_state) ]] && break
        sleep 0.1
    done
    check "asked for $request, the window stays normal" "" "$(filled_state)"
    size=$(xwininfo -id "$window" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
    check "asked for $request, the client area stays" 410x319 "$size"
done

focus_window
exit_with_alt_x "$pid"
finish
