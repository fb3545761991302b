#!/usr/bin/env bash
# Drives the real program on a virtual X display, or on Wayland, as a user would: types
# amounts, presses the access keys, reads fields back through the clipboard,
# answers the message box with Enter, and ends the program with Alt+X.
#
# The Linux program on X11 and on Wayland, and the Windows program (under
# Wine) run these same cases.
#
# Usage: endtoend.sh <program> [arguments...]
#   (run inside scripts/xvfb-session, or scripts/wayland-session)
#   e.g. endtoend.sh build/debug/app/punt-converter
#        endtoend.sh scripts/wine-run build/windows-x64/app/punt-converter.exe
set -euo pipefail
source "$(dirname "$0")/drive.sh"

start_program "$@"
trap 'kill $pid 2>/dev/null || true' EXIT
focus_window "$pid"

# Focus starts on Exit; two Tabs reach the euro field.
keys Tab Tab
type_text 10
keys alt+n
keys Tab
check "10 euros in punts" "7.87564" "$(focused_field_text_becomes "7.87564")"

type_text 100
keys alt+o
keys shift+Tab
check "100 punts in euros" "126.973807842918" "$(focused_field_text_becomes "126.973807842918")"

keys alt+c
check "Clear empties the euro field" "<empty>" "$(focused_field_text_becomes "<empty>")"
keys Tab
check "Clear empties the punt field" "<empty>" "$(focused_field_text_becomes "<empty>")"

keys alt+o
wait_for_windows 2 && shown=yes || shown=no
check "an empty field brings up the message box" yes "$shown"
keys Return
wait_for_windows 1 && closed=yes || closed=no
check "Enter closes the message box" yes "$closed"

type_text abc
keys alt+o
wait_for_windows 2 && shown=yes || shown=no
check "letters bring up the message box" yes "$shown"
keys Return
wait_for_windows 1 || true
check "the punt field keeps what was typed" "abc" "$(focused_field_text_becomes "abc")"

exit_with_alt_x "$pid"
finish
