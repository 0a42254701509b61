#!/bin/sh
# Fails when a file outside the platform layer includes a Qt header: the runtime, the game and
# their tests see only platform headers.
set -eu
cd "$(dirname "$0")/.."
offenders=$(grep -rlE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]Q' src tests bench fuzz 2>/dev/null |
    grep -vE '^(src/platform|tests/platform)/' || true)
if [ -n "$offenders" ]; then
    echo "Qt headers included outside src/platform and tests/platform:" >&2
    echo "$offenders" >&2
    exit 1
fi
