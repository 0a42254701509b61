# Shared by the end-to-end scripts, sourced after they re-ran themselves inside their virtual
# display: a work folder and the program's process, both cleaned up on exit, and fail(), which
# ends the run with the program's output.
work=$(mktemp -d)
pid=
trap 'if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi; rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    echo "--- the program's output:" >&2
    cat "$work/log" >&2 || true
    exit 1
}
