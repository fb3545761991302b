#!/usr/bin/env bash
# Drives the real program on a virtual X display as a user would: types
# amounts, presses the access keys, reads fields back through the clipboard,
# answers the message box with Enter, and ends the program with Alt+X.
#
# Usage: endtoend.sh <program>   (run inside scripts/xvfb-session)
set -euo pipefail

program=$1
title='^Dur Azor Uvuridaro$'
failures=0
passes=0

check() { # <what> <expected> <actual>
    if [[ $2 == "$3" ]]; then
        passes=$((passes + 1))
        echo "ok: $1"
    else
        failures=$((failures + 1))
        echo "FAILED: $1: expected '$2', got '$3'"
    fi
}

# The text of the focused field, or "<empty>".
focused_field_text() {
    # xclip stays behind to serve the text: keep it off this function's output.
    printf '<empty>' | xclip -selection clipboard >/dev/null 2>&1
    xdotool key --clearmodifiers ctrl+a ctrl+c
    sleep 0.2
    xclip -o -selection clipboard
}

windows_titled() {
    xdotool search --onlyvisible --name "$title" 2>/dev/null | wc -l
}

wait_for_windows() { # <count>
    for _ in $(seq 50); do
        [[ $(windows_titled) -eq $1 ]] && return 0
        sleep 0.1
    done
    return 1
}

keys() {
    xdotool key --clearmodifiers --delay 50 "$@"
    sleep 0.3 # an access key clicks its button after a short press
}

QT_QPA_PLATFORM=xcb "$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

window=$(xdotool search --sync --onlyvisible --name "$title" | head -n1)
xdotool windowfocus --sync "$window"
sleep 0.3

# Focus starts on Exit; two Tabs reach the euro field.
keys Tab Tab
xdotool type --delay 30 '10'
keys alt+n
keys Tab
check "10 euros in punts" "7.87564" "$(focused_field_text)"

xdotool type --delay 30 '100'
keys alt+o
keys shift+Tab
check "100 punts in euros" "126.973807842918" "$(focused_field_text)"

keys alt+c
check "Clear empties the euro field" "<empty>" "$(focused_field_text)"
keys Tab
check "Clear empties the punt field" "<empty>" "$(focused_field_text)"

keys alt+o
wait_for_windows 2 && shown=yes || shown=no
check "an empty field brings up the message box" yes "$shown"
keys Return
wait_for_windows 1 && closed=yes || closed=no
check "Enter closes the message box" yes "$closed"

xdotool type --delay 30 'abc'
keys alt+o
wait_for_windows 2 && shown=yes || shown=no
check "letters bring up the message box" yes "$shown"
keys Return
wait_for_windows 1 || true
check "the punt field keeps what was typed" "abc" "$(focused_field_text)"

keys alt+x
status=0
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    check "Alt+X ends the program" ended running
else
    wait "$pid" || status=$?
    check "Alt+X ends the program with status 0" 0 "$status"
fi

echo "$passes passed, $failures failed"
[[ $failures -eq 0 ]]
