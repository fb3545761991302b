#!/usr/bin/env bash
# Makes the Windows packages, checks that the ZIP holds the program and the
# licence, that the installer's licence page shows the project's licence and
# that it carries its own version record, installs it silently under Wine
# under one name everywhere, starts the installed program and ends it with
# Alt+X, uninstalls silently, and checks that the program's folder,
# Start-menu entries and registry keys are gone.
#
# Usage: check-windows-installer.sh <build-dir> <windres> <wine launcher...>
#        (on an X display, e.g. inside scripts/xvfb-session)
set -euo pipefail
source "$(dirname "$0")/../e2e/drive.sh"

build=$1 windres=$2
shift 2
wine=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
name=${PUNT_APP_TITLE:?the application title, which ctest sets}
license=$(dirname "$0")/../../LICENSE
uninstall_key="HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\\$name"
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
same_as_license() { cmp -s "$license" - && echo yes || echo no; }
start_menu_entries() { # <find test...>: how many Start-menu entries of the program
    find "$(unix_path 'C:\')" -path "*/Start Menu/Programs/$name/*" "$@" | wc -l
}

(cd "$build" && cpack -G "ZIP;NSIS" -B "$work" >/dev/null)
check "the ZIP holds the program and the licence" 2 \
    "$(unzip -Z1 "$work"/*.zip | grep -cE '/(punt-converter\.exe|LICENSE\.txt)$')"
check "the ZIP's licence is the project's" yes "$(unzip -p "$work"/*.zip '*/LICENSE.txt' | same_as_license)"
license_page=$(sed -nE 's/^ *!insertmacro MUI_PAGE_LICENSE "(.*)"/\1/p' "$work"/_CPack_Packages/*/NSIS/project.nsi)
check "the licence page shows the project's licence" yes "$(same_as_license <"$license_page")"
record=$("$windres" -i "$(ls "$work"/*.exe)" -O rc)
for field in "ProductName\", \"$name" 'ProductVersion", "1.00' 'FileVersion", "1.00'; do
    check "the installer's version record has $field" 1 "$(grep -cF "VALUE \"$field\"" <<<"$record")"
done

"${wine[@]}" "$(ls "$work"/*.exe)" /S
program=$(registry_value "$uninstall_key" DisplayIcon)
folder=$(unix_path "${program%\\*}")
check "the install folder is named $name" "$name" "$(basename "$folder")"
check "the installed licence is the project's" yes "$(same_as_license <"$folder/LICENSE.txt")"
check "Add or Remove Programs names the program $name" "$name" "$(registry_value "$uninstall_key" DisplayName)"
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
