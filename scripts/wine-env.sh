# Sourced by the scripts that run Windows programs: the Wine environment of this
# checkout (a private prefix under build/, code page 932, no debug output).
QUELVAN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$QUELVAN_ROOT/build/wineprefix}
export WINEDEBUG=-all
# Code page 932 unless a test asks for another system's (its own prefix).
export LANG=${QUELVAN_LANG:-ja_JP.UTF-8}
unset LC_ALL
export WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono or Gecko installer prompts

# Creates the prefix once, with crashes quiet (no crash dialog) and, unless
# "managed" is given (a desktop with a window manager), unmanaged windows:
# without a window manager they are much faster to hide and destroy.
wine_prefix_ready() {
    [ -f "$WINEPREFIX/.quelvan-ready" ] || wine_prefix_create "$@"
    # Wine draws its caption buttons in Marlett, which it ships but a fresh
    # prefix does not find: without it they show as the letters 0, 1 and r.
    local fonts=$WINEPREFIX/drive_c/windows/Fonts
    if [ ! -f "$fonts/marlett.ttf" ] && [ -f /usr/share/wine/fonts/marlett.ttf ]; then
        cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
    fi
}

wine_prefix_create() {
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 </dev/null
    if [ "${1:-}" != managed ]; then
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 </dev/null
    fi
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 </dev/null
    wineserver -w
    touch "$WINEPREFIX/.quelvan-ready"
}

# The server that runs this prefix, if one does: it works in a folder named
# after the prefix's device and inode.
prefix_server() {
    local dir pid
    dir=server-$(stat -c %D "$WINEPREFIX")-$(printf %x "$(stat -c %i "$WINEPREFIX")")
    for pid in $(pgrep -x wineserver64); do
        [ "$(basename "$(readlink "/proc/$pid/cwd")")" != "$dir" ] || { echo "$pid"; return 0; }
    done
}

# Starts a persistent server and Wine's services with their output on
# /dev/null, so that no caller (CTest above all) waits on their pipes. The
# services live as long as the server.
wine_services_up() {
    wine_prefix_ready
    local displayfile=$WINEPREFIX/.wineserver.display pid
    pid=$(prefix_server)
    if [ -n "$pid" ]; then
        [[ "$(ps -o args= -p "$pid")" == *" -p" ]] && [ "$(cat "$displayfile" 2>/dev/null)" = "${DISPLAY:-}" ] &&
            return 0
        # Any other server makes way: one that a program started on demand
        # ends, with the services, moments after the prefix's last program
        # (under the next one starting, at worst), and one left from an
        # earlier run would start every program on a display that is gone.
        wineserver -k 2>/dev/null || true
        wineserver -w 2>/dev/null || true
    fi
    echo "${DISPLAY:-}" > "$displayfile"
    wineserver -p </dev/null >/dev/null 2>&1
    wine cmd /c exit </dev/null >/dev/null 2>&1
}
