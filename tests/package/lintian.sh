#!/usr/bin/env bash
# Checks the Debian packages in <folder> as a packager would, with lintian at
# its most thorough: any tag fails, down to the informational and the
# pedantic ones (a binary without immediate binding is only "info").
#
# Usage: lintian.sh <folder>
set -euo pipefail
# lintian refuses to run as root unless told; the tests may run as root.
lintian --allow-root --pedantic --display-info --fail-on error,warning,info,pedantic "$1"/*.deb
