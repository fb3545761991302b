#!/usr/bin/env bash
# Checks the Windows program's file: it imports system DLLs only, carries
# file and product version 1.00, and its manifest runs it as the invoker,
# aware of the system's density, with common controls 6.
#
# Usage: check-windows-binary.sh <objdump> <windres> <program.exe>
set -euo pipefail
source "$(dirname "$0")/../e2e/drive.sh"

objdump=$1 windres=$2 program=$3
system_dlls='^(kernel32|user32|gdi32|comctl32|ole32|oleaut32|msvcrt)\.dll$'
imports=$("$objdump" -p "$program" | sed -nE 's/^\s*DLL Name: //p')
check "imports only system DLLs" "" "$(grep -viE "$system_dlls" <<<"$imports" || true)"

resources=$("$windres" -i "$program" -O rc)
for field in FileVersion ProductVersion; do
    check "$field is 1.00" 1 "$(grep -c "VALUE \"$field\", \"1.00\"" <<<"$resources")"
done
manifest=$(grep -A40 'RT_MANIFEST' <<<"$resources" | tr -d '"\n')
for needed in 'level=asInvoker' '>true</dpiAware>' 'name=Microsoft.Windows.Common-Controls version=6.0.0.0' \
    'version=1.0.0.0'; do
    check "the manifest has $needed" yes "$([[ $manifest == *"$needed"* ]] && echo yes || echo no)"
done
finish
