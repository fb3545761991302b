#!/usr/bin/env bash
# Checks what a user gets: either `cmake --install` into a temporary prefix,
# or the Debian package (made by scripts/build-deb into <folder>) unpacked
# into a temporary folder.  Both must hold the
# program, the desktop entry, the metainfo, the icons, the manual page, the
# copyright and the changelog, and the program must start from there.
#
# Usage: check-installation.sh install <build-dir> <app-id> <executable> <icon-size>...
#        check-installation.sh deb <folder> <app-id> <executable> <icon-size>...
set -euo pipefail

mode=$1 build=$2 app_id=$3 executable=$4
shift 4
icon_sizes=("$@")
((${#icon_sizes[@]} > 0)) || { echo "no icon sizes given" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
passes=0

check() { # <what> <command...>
    local what=$1
    shift
    if "$@" >"$work/out" 2>&1; then
        passes=$((passes + 1))
        echo "ok: $what"
    else
        failures=$((failures + 1))
        echo "FAILED: $what"
        cat "$work/out"
    fi
}

case $mode in
install)
    cmake --install "$build" --prefix "$work/root/usr" >/dev/null
    ;;
deb)
    deb=$build/${executable}_1.00_$(dpkg --print-architecture).deb
    [[ -f $deb ]] || { echo "FAILED: no package of version 1.00 in $build: $(ls "$build")"; exit 1; }
    dpkg-deb -x "$deb" "$work/root"
    depends=$(dpkg-deb -f "$deb" Depends)
    for needed in libqt6widgets6 fonts-liberation2 fonts-comic-neue; do
        check "the package depends on $needed" grep -q "$needed" <<<"$depends"
    done
    check "the package recommends qt6-wayland" grep -q qt6-wayland <(dpkg-deb -f "$deb" Recommends)
    # debian/control repeats the summary that the project gives the desktop files.
    # The first line alone, without a pipe to head: its early close would fail dpkg-deb under pipefail.
    summary=$(dpkg-deb -f "$deb" Description)
    summary=${summary%%$'\n'*}
    check "the package's summary is the desktop entry's" \
        grep -qxF "Comment=$summary" "$work/root/usr/share/applications/$app_id.desktop"
    ;;
*)
    echo "usage: $0 install|deb <build-dir>|<folder> <app-id> <executable> <icon-size>..." >&2
    exit 2
    ;;
esac

share=$work/root/usr/share
check "the program is in bin/" test -x "$work/root/usr/bin/$executable"
check "the desktop entry is valid" desktop-file-validate "$share/applications/$app_id.desktop"
check "the metainfo" test -s "$share/metainfo/$app_id.metainfo.xml"
for size in "${icon_sizes[@]}"; do
    check "the ${size}x$size icon is $size pixels square" \
        grep -q "$size x $size" <(file --brief "$share/icons/hicolor/${size}x$size/apps/$app_id.png")
done
check "a scalable icon" test -s "$share/icons/hicolor/scalable/apps/$app_id.svg"
for document in "man/man1/$executable.1.gz" "doc/$executable/copyright" "doc/$executable/changelog.gz"; do
    check "$document" test -s "$share/$document"
done

# A program that starts runs until it is told to stop; timeout's 124 says so.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$work/root/usr/bin/$executable" || status=$?
check "the installed program starts and keeps running" test "$status" -eq 124

echo "$passes passed, $failures failed"
[[ $failures -eq 0 ]]
