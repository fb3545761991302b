#!/usr/bin/env bash
# Builds the Debian package and checks it as a packager would, with lintian
# at its most thorough.  Any tag fails, down to the informational and the
# pedantic ones (a binary without immediate binding is only "info"), except
# those the README explains.
#
# Usage: lintian.sh <build-dir>
set -euo pipefail

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$1" && cpack -G DEB -B "$work" >/dev/null)
# lintian refuses to run as root unless told; the tests may run as root.
lintian --allow-root --pedantic --display-info --fail-on error,warning,info,pedantic \
    --suppress-tags binary-has-unneeded-section "$work"/*.deb
