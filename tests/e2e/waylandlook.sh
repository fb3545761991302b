#!/usr/bin/env bash
# Shows the program on X11 and on Wayland in one session and compares the
# client areas pixel by pixel: they must be the same picture.
#
# Usage: waylandlook.sh <program>   (run inside scripts/wayland-session)
set -euo pipefail
source "$(dirname "$0")/drive.sh"
shots=$(mktemp -d -p "$XDG_RUNTIME_DIR")

platform=xcb # weston's window fills the X display; this one shows above it
start_program "$1"
trap 'kill $pid 2>/dev/null || true' EXIT
focus_window "$pid"
import -window "$(xdotool search --onlyvisible --name "$title" | head -n1)" "$shots/x11.png"
exit_with_alt_x "$pid"

platform=wayland
start_program "$1"
focus_window "$pid"
area=$(wayland_screen "$shots/screen.png")
convert "$shots/screen.png" -crop "$area" +repage "$shots/wayland.png"
check "the client area on Wayland" 410x319 "${area%%+*}"
check "pixels that differ from X11" 0 "$(compare -metric AE "$shots/x11.png" "$shots/wayland.png" null: 2>&1 || true)"
exit_with_alt_x "$pid"
finish
