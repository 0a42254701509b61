#!/bin/sh
# Builds the Debian package of the build into a temporary folder and has Debian's own package
# checker look at it: any error or warning fails.
# Usage: check-package.sh BUILD_DIR
set -eu
build=$1

if ! command -v lintian >/dev/null 2>&1; then
    echo "SKIPPED: lintian is missing (install lintian)"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; exit 1; }
set -- "$work"/*.deb
[ -f "$1" ] || { echo "cpack made no package"; cat "$work/cpack.log"; exit 1; }
lintian --fail-on error,warning --tag-display-limit 0 "$1"
