#!/usr/bin/env bash
# Fails unless the Linux build of textpath_digest and a Windows build, run by
# the given command, print the same digest.
#
# Usage: tests/support/compare-digests.sh <linux textpath_digest> <command...>
set -euo pipefail

linux_program=$1
shift
if [[ ! -x $linux_program ]]; then
    echo "FAILED: $linux_program is missing: build the debug preset first" >&2
    exit 1
fi
linux=$("$linux_program")
status=0
windows=$("$@") || status=$?
[[ $status -eq 0 ]] || exit "$status"
echo "Linux:   $linux"
echo "Windows: $windows"
[[ -n $linux && $linux == "$windows" ]]
