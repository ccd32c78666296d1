# Sourced by the black-box tests: start quelvan under Wine, drive it with real
# input (xdotool), look at it with the probe and with screenshots.
# Arguments of every test: QUELVAN_EXE PROBE_EXE OUT_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"
: "${DISPLAY:?the black-box tests need an X display (scripts/test.sh starts one)}"

EXE=$1 PROBE=$2 OUT=$3
mkdir -p "$OUT"
flock -o "$WINEPREFIX.lock" bash -c "source '$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh'; wine_services_up"

# Each test runs its own copy of the program from a folder of its own, so
# that whatever it writes beside itself stays apart.
APPDIR="$OUT/app"
rm -rf "$APPDIR"
mkdir -p "$APPDIR"
cp "$EXE" "$APPDIR/quelvan.exe"

fail() { echo "FAIL: $*" >&2; exit 1; }
probe() { wine "$PROBE" "$@" </dev/null 2>/dev/null | tr -d '\r'; }

# until_ok CMD...: runs CMD (a function, so that it looks afresh each time)
# until it succeeds, for up to 10 s.
until_ok() {
    for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
    return 1
}

windows_open() { [ "$(probe count)" -ge "${1:-1}" ]; }
dialog_open() { [ "$(probe dialog)" != none ]; }
dialog_closed() { [ "$(probe dialog)" = none ]; }

start_app() {
    (cd "$APPDIR" && exec wine quelvan.exe </dev/null >/dev/null 2>&1) &
    APP_PID=$!
    until_ok windows_open || fail "no main window appeared"
    sleep 0.3
}

stop_app() {
    probe close || true
    for _ in $(seq 100); do kill -0 "$APP_PID" 2>/dev/null || return 0; sleep 0.1; done
    fail "the program did not end after its window was closed"
}

# The view's client area on screen: sets VX VY VW VH.
view_rect() { read -r VX VY VW VH < <(probe view-rect); }

# shot NAME: a PNG of the view's client area.
shot() {
    view_rect
    import -window root -crop "${VW}x${VH}+${VX}+${VY}" +repage "$OUT/$1.png"
}

# ink NAME: "W H X Y" of the box around everything not white in a shot.
ink() {
    convert "$OUT/$1.png" -bordercolor white -border 1 -fuzz 20% -trim -format '%w %h %X %Y\n' info: 2>/dev/null
}

# differ A B: the number of pixels that differ between two shots.
differ() { compare -metric AE -fuzz 10% "$OUT/$1.png" "$OUT/$2.png" null: 2>&1 || true; }
