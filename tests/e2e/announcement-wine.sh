#!/usr/bin/env bash
# Runs the Windows program under Wine through a conversion and Clear, and
# checks that each time its words reached UI Automation as a notification
# (action completed, most recent important): Wine has no client that could
# receive one, so they are read from Wine's own trace of the call.  Skipped
# where Wine's uiautomationcore has no UiaRaiseNotificationEvent (Wine 8):
# there the program stays silent, and the other tests show it still starts.
#
# Usage: announcement-wine.sh <wine launcher...> <program.exe>   (on an X display)
set -euo pipefail
source "$(dirname "$0")/drive.sh"

wine=("${@:1:$#-1}")
program=${!#}
mapfile -t libraries < <(find /usr/lib -path '*wine*' -name uiautomationcore.dll)
if [[ ${#libraries[@]} -eq 0 ]] || ! grep -q UiaRaiseNotificationEvent "${libraries[@]}"; then
    echo "SKIPPED: this Wine's uiautomationcore has no UiaRaiseNotificationEvent"
    exit 77
fi
trace=$(mktemp)
trap 'rm -f "$trace"' EXIT

PUNT_WINE_DEBUG=fixme+uiautomation "${wine[@]}" "$program" 2>"$trace" &
use_every_path $!
announced() { # <words>: as Wine's trace quotes the call
    awk -v call=', 2, 1, L"'"$1"'"' \
        'index($0, "UiaRaiseNotificationEvent") && index($0, call) { found = 1 }
         END { print found ? "yes" : "no" }' "$trace"
}
check "the result is announced" yes "$(announced "7.87564 punts")"
check "Clear is announced" yes "$(announced "Both fields are empty")"
finish
