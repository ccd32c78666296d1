# Sourced: xvfb_start starts a private X server on a free display, exports
# DISPLAY and stops the server (by its PID) when the calling script exits.
xvfb_start() {
    local size=${1:-1920x1200x24} n
    for n in $(seq 90 130); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 "$size" -nolisten tcp >/dev/null 2>&1 &
        QUELVAN_XVFB_PID=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do
            xdpyinfo >/dev/null 2>&1 && break
            sleep 0.1
        done
        if xdpyinfo >/dev/null 2>&1; then
            trap 'xvfb_stop' EXIT
            return 0
        fi
        kill "$QUELVAN_XVFB_PID" 2>/dev/null || true
    done
    echo "xvfb: no free display" >&2
    return 1
}

xvfb_stop() {
    [ -n "${QUELVAN_XVFB_PID:-}" ] && kill "$QUELVAN_XVFB_PID" 2>/dev/null || true
    QUELVAN_XVFB_PID=
}
