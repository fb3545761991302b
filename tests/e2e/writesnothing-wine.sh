#!/usr/bin/env bash
# Runs the Windows program under Wine through a conversion, a message box,
# Clear and Exit, and fails when any file on the C: drive or any registry
# key of the user or of the machine's software changed meanwhile.  Wine's
# own keys (Software\Wine) are left out: Wine keeps its state there.
#
# Usage: writesnothing-wine.sh <wine launcher...> <program.exe>   (on an X display)
set -euo pipefail
source "$(dirname "$0")/drive.sh"

wine=("${@:1:$#-1}")
program=${!#}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

registry() { # <output>: the keys, one "[key]" line ahead of each of its values
    local key part=0
    for key in HKEY_CURRENT_USER 'HKEY_LOCAL_MACHINE\Software'; do
        part=$((part + 1))
        "${wine[@]}" regedit /E "$("${wine[@]}" winepath -w "$1.$part")" "$key"
    done
    cat "$1".* | iconv -f UTF-16 -t UTF-8 | tr -d '\r' |
        awk '/^\[/ { wine = /\\Software\\Wine[\\\]]/ } !wine' >"$1"
}

registry "$work/before"
touch "$work/started"
"${wine[@]}" "$program" &
pid=$!
use_every_path "$pid"
registry "$work/after"

drive_c=$("${wine[@]}" winepath -u 'C:\')
check "no file on C: created or changed" "" "$(find "$drive_c" -newer "$work/started" | head)"
check "no registry key or value changed" "" "$(diff "$work/before" "$work/after" | head)"
finish
