#!/usr/bin/env bash
# Counts the instructions of each program's start-up up to its first frame
# with callgrind on the xcb platform (run it inside scripts/xvfb-session),
# and prints them by component, inclusive, one column a program.  Counts do
# not depend on the machine's load, unlike times.
#
# Usage: callgrind-breakdown.sh <program>...   (programs linking FirstFrameProbe)
set -euo pipefail
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

components=(
    "whole run|PROGRAM TOTALS"
    "dynamic linking before main|_dl_start"
    "QApplication: xcb connection, platform plugin, accessibility bridge|QApplication::QApplication("
    "  of it the accessibility bridge (AT-SPI over D-Bus)|QSpiAccessibleBridge::QSpiAccessibleBridge("
    "accessibility events while building|QAccessible::updateAccessibility("
    "the style (Fusion)|QApplication::setStyle("
    "building the window and its controls|MainWindow::MainWindow("
    "fontconfig initialisation and Qt's font list|QFontDatabasePrivate::ensureFontDatabase("
    "fontconfig fallback searches (FcFontSort)|QFontconfigDatabase::fallbacksForFamily("
    "font engines: fontconfig match each|QFontconfigDatabase::setupFontEngine("
    "FreeType faces|QFontEngineFT::init("
    "the picture|qthost::windowPicture("
    "the icon: QIcon::addFile (image plugins, PNG)|QIcon::addFile("
    "the icon: libpng decoding|png_read_image"
    "the icon: sent to X|QXcbWindow::setWindowIcon("
    "event loop up to the first frame|QApplication::exec("
    "  of it painting the widgets|QWidgetRepaintManager::sync("
)

names=()
for program in "$@"; do
    name=$(basename "$program")
    names+=("$name")
    QT_QPA_PLATFORM=xcb valgrind --tool=callgrind --callgrind-out-file="$out/$name.%p" \
        "$program" >/dev/null 2>"$out/$name.log"
    # A forked child that fails to exec (D-Bus autolaunch) leaves a smaller
    # file; the program's own is the largest.
    largest=$(ls -S "$out/$name".[0-9]* | head -n1)
    callgrind_annotate --inclusive=yes --threshold=100 "$largest" >"$out/$name.txt" 2>/dev/null
done

printf '| component |'
printf ' %s |' "${names[@]}"
printf '\n|---|'
printf -- '---|%.0s' "${names[@]}"
echo
for component in "${components[@]}"; do
    label=${component%%|*} pattern=${component#*|}
    printf '| %s |' "$label"
    for name in "${names[@]}"; do
        count=$({ grep -F -m1 "$pattern" "$out/$name.txt" || true; } | awk '{gsub(",", "", $1); print $1}')
        awk -v n="${count:-0}" 'BEGIN { printf " %.2f M |", n / 1e6 }'
    done
    echo
done
