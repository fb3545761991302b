#!/usr/bin/env bash
# Installs the Windows installer silently under Wine, starts the installed
# program and ends it with Alt+X, uninstalls silently, and checks that the
# program's folder, Start-menu entries and registry keys are gone.
#
# Usage: check-windows-installer.sh <installer.exe> <wine prefix> <wine launcher...>
#        (run inside scripts/xvfb-session)
set -euo pipefail
source "$(dirname "$0")/../e2e/drive.sh"

installer=$1
prefix=$2
shift 2
wine=("$@")
folder="$prefix/drive_c/Program Files/Punt Converter"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Punt Converter'
vendor_key='HKLM\Software\Punt Converter maintainers'

registry_value() { # <key> <value name>: the value's data, or nothing
    "${wine[@]}" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        sed -nE "s/^ +$2 +REG_[A-Z_]+ +//p"
}
registry_has() { # <key>
    "${wine[@]}" reg query "$1" >/dev/null 2>&1 && echo yes || echo no
}
start_menu_entries() { # <find test...>: how many Start-menu entries of the program
    find "$prefix/drive_c" -path "*/Start Menu/*/Dur Azor Uvuridaro*" "$@" | wc -l
}

"${wine[@]}" "$installer" /S
check "the program is installed" yes "$([[ -f $folder/punt-converter.exe ]] && echo yes || echo no)"
check "the Start menu has the program and its uninstaller" 2 "$(start_menu_entries -name '*.lnk')"
check "Add or Remove Programs shows version 1.00" 1.00 "$(registry_value "$uninstall_key" DisplayVersion)"
check "Add or Remove Programs shows the program's icon" \
    'C:\Program Files\Punt Converter\punt-converter.exe' \
    "$(registry_value "$uninstall_key" DisplayIcon)"

QT_QPA_PLATFORM= "${wine[@]}" "$folder/punt-converter.exe" &
focus_window
exit_with_alt_x $!

"${wine[@]}" "$folder/Uninstall.exe" /S
# The uninstaller runs on from a copy of itself and returns at once.
for _ in $(seq 100); do
    [[ -e $folder ]] || break
    sleep 0.2
done
check "the program's folder is gone" no "$([[ -e $folder ]] && echo yes || echo no)"
check "the Start-menu folder and entries are gone" 0 "$(start_menu_entries)"
check "the Add or Remove Programs entry is gone" no "$(registry_has "$uninstall_key")"
check "the vendor's registry key is gone" no "$(registry_has "$vendor_key")"
finish
