#!/usr/bin/env bash
# Runs the real program under strace through a conversion, a message box,
# Clear and Exit, and fails on any successful system call that creates,
# writes, renames or removes a file.  Failed calls (fontconfig probing for
# caches, say) are not traced.
#
# Usage: writesnothing.sh <program>   (run inside scripts/xvfb-session)
set -euo pipefail
source "$(dirname "$0")/drive.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
trace=$work/trace
# A fresh home, so that a write to the user's folders cannot hide in old files.
export HOME=$work/home
mkdir "$HOME"
# A stale font cache would be rebuilt during the traced run (under
# /var/cache/fontconfig as root, under $HOME otherwise): bring it up to date
# first, so that only the program's own writes can show.
fc-cache

calls=open,openat,openat2,creat,truncate,rename,renameat,renameat2,link,linkat
calls+=,symlink,symlinkat,unlink,unlinkat,mkdir,mkdirat,rmdir,mknod,mknodat
calls+=,chmod,fchmodat,chown,fchownat,lchown,utimensat
# LeakSanitizer cannot run under ptrace; the other suites look for leaks.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
# With no session bus, libdbus would launch one itself and record it under
# $HOME/.dbus and /tmp.  The program gets a bus of its own instead, started
# outside the trace so that the bus daemon's files are not counted.
QT_QPA_PLATFORM=xcb dbus-run-session -- \
    strace -f -qq --successful-only -o "$trace" -e trace="$calls" "$1" &
pid=$!
use_every_path "$pid"

# Opening for writing is a write unless it is /dev/null; every other traced
# call changes the file system by itself.
writes=$(grep -vE '^[0-9]+ +(open|openat|openat2)\(' "$trace" | grep -E '^[0-9]+ +[a-z0-9]+\(' || true)
opens=$(grep -E '^[0-9]+ +(open|openat|openat2)\(' "$trace" |
    grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND' | grep -v '"/dev/null"' || true)
check "no file created, written, renamed or removed" "" "$writes$opens"
check "the trace saw the program open files" yes "$(grep -q 'openat(' "$trace" && echo yes || echo no)"
finish
