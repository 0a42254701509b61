#!/bin/sh
# Checks the layering rules on every test run:
# - no file outside the platform layer includes a Qt header: the runtime, the game and their
#   tests see only platform headers;
# - nothing outside the platform includes a header of platform/detail/, which is private to it.
set -eu
cd "$(dirname "$0")/.."
status=0
report() {
    if [ -n "$2" ]; then
        echo "$1" >&2
        echo "$2" >&2
        status=1
    fi
}
outside_platform() { grep -vE '^(src/platform|tests/platform)/' || true; }

qt=$(grep -rlE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]Q' src tests bench fuzz examples 2>/dev/null |
    outside_platform)
report "Qt headers included outside src/platform and tests/platform:" "$qt"

detail=$(grep -rlE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"platform/detail/' src tests bench fuzz examples 2>/dev/null |
    outside_platform)
report "platform/detail/ headers included outside the platform:" "$detail"
exit $status
