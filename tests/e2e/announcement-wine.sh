#!/usr/bin/env bash
# Runs the Windows program under Wine through a conversion and Clear, and
# checks that each was announced as UI Automation's "action completed, most
# recent important" notification, in Wine's own trace of the call (Wine has
# no client to receive it).  Skipped where Wine has no such call (Wine 8).
#
# Usage: announcement-wine.sh <wine launcher...> <program.exe>   (on an X display)
set -euo pipefail
source "$(dirname "$0")/drive.sh"

if ! grep -q UiaRaiseNotificationEvent /dev/null \
    $(find /usr/lib -path '*wine*' -name uiautomationcore.dll); then
    echo "SKIPPED: this Wine's uiautomationcore has no UiaRaiseNotificationEvent"
    exit 77
fi
trace=$(mktemp)
trap 'rm -f "$trace"' EXIT
PUNT_WINE_DEBUG=fixme+uiautomation "${@:1:$#-1}" "${!#}" 2>"$trace" &
use_every_path $!
announced() { grep -qF ", 2, 1, L\"$1\"" "$trace" && echo yes || echo no; } # <words>
check "the result is announced" yes "$(announced "7.87564 punts")"
check "Clear is announced" yes "$(announced "Both fields are empty")"
finish
