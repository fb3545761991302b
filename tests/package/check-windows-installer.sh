#!/usr/bin/env bash
# Makes the Windows packages, checks that the ZIP holds the program, installs
# the NSIS installer silently under Wine, starts the installed program and
# ends it with Alt+X, uninstalls silently, and checks that the program's
# folder, Start-menu entries and registry keys are gone.
#
# Usage: check-windows-installer.sh <build-dir> <wine launcher...>
#        (on an X display, e.g. inside scripts/xvfb-session)
set -euo pipefail
source "$(dirname "$0")/../e2e/drive.sh"

build=$1
shift
wine=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Punt Converter'
vendor_key='HKLM\Software\Punt Converter maintainers'

registry_value() { # <key> <value name>: the value's data, or nothing
    "${wine[@]}" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        sed -nE "s/^ +$2 +REG_[A-Z_]+ +//p"
}
registry_has() { # <key>
    "${wine[@]}" reg query "$1" >/dev/null 2>&1 && echo yes || echo no
}
unix_path() { # <Windows path>
    "${wine[@]}" winepath -u "$1" 2>/dev/null | tr -d '\r'
}
exists() { [[ -e $1 ]] && echo yes || echo no; }
start_menu_entries() { # <find test...>: how many Start-menu entries of the program
    find "$(unix_path 'C:\')" -path "*/Start Menu/*/Dur Azor Uvuridaro*" "$@" | wc -l
}

(cd "$build" && cpack -G "ZIP;NSIS" -B "$work" >/dev/null)
check "the ZIP holds the program" 1 "$(unzip -Z1 "$work"/*.zip | grep -c '/punt-converter.exe$')"

"${wine[@]}" "$(ls "$work"/*.exe)" /S
program=$(registry_value "$uninstall_key" DisplayIcon)
folder=$(unix_path "${program%\\*}")
check "Add or Remove Programs shows version 1.00" 1.00 "$(registry_value "$uninstall_key" DisplayVersion)"
check "Add or Remove Programs shows the installed program's icon" yes \
    "$([[ $program == *'\punt-converter.exe' ]] && exists "$(unix_path "$program")")"
check "the Start menu has the program and its uninstaller" 2 "$(start_menu_entries -name '*.lnk')"

"${wine[@]}" "$program" &
pid=$!
focus_window "$pid"
exit_with_alt_x "$pid"

"${wine[@]}" "${program%\\*}\\Uninstall.exe" /S
# The uninstaller runs on from a copy of itself and returns at once.
for _ in $(seq 100); do
    [[ -e $folder ]] || break
    sleep 0.2
done
check "the program's folder is gone" no "$(exists "$folder")"
check "the Start-menu folder and entries are gone" 0 "$(start_menu_entries)"
check "the Add or Remove Programs entry is gone" no "$(registry_has "$uninstall_key")"
check "the vendor's registry key is gone" no "$(registry_has "$vendor_key")"
finish
