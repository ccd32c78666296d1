# Sourced by the black-box tests: start quelvan under Wine, drive it with real
# input (xdotool), look at it with the probe and with screenshots.
# Arguments of every test: QUELVAN_EXE PROBE_EXE OUT_DIR
set -Eeuo pipefail
# A command that stops a test says which, where fail() would have said why.
trap 'echo "FAIL: ${BASH_SOURCE[0]##*/}:$LINENO: $BASH_COMMAND (exit $?)${FUNCNAME:+, called from line ${BASH_LINENO[0]}}" >&2' ERR
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
# The probe looks only at the windows of this copy.
PROBE_EXE=$(winepath -w "$APPDIR/quelvan.exe" 2>/dev/null)
export PROBE_EXE

fail() { echo "FAIL: $*" >&2; exit 1; }
# What is in the program's folder beside it and its settings file.
beside() { ls -A "$APPDIR" | grep -vx -e quelvan.exe -e quelvan.ini || true; }
# ImageMagick's own convert, whatever else stands earlier on the PATH.
convert() { /usr/bin/convert "$@"; }
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

# start_app [ARGS...]: starts the program (with ARGS on its command line).
start_app() {
    (cd "$APPDIR" && exec wine quelvan.exe "$@" </dev/null >/dev/null 2>&1) &
    APP_PID=$!
    until_ok windows_open || fail "no main window appeared"
    sleep 0.3
}

stop_app() {
    probe command 0xE141 || true   # ID_APP_EXIT, the close command
    for _ in $(seq 100); do kill -0 "$APP_PID" 2>/dev/null || return 0; sleep 0.1; done
    fail "the program did not end after its window was closed"
}

# enter_text TEXT: types TEXT into the input dialog, opened by a double-click
# on the view, and closes it with Enter.
enter_text() { enter_typed xdotool type --delay 40 "$1"; }
# enter_typed CMD...: the same for what CMD types.
enter_typed() {
    view_rect
    xdotool mousemove $((VX + VW / 2)) $((VY + VH / 2)) click --repeat 2 --delay 60 1
    until_ok dialog_open || fail "double-click did not open the input dialog"
    "$@"
    xdotool key Return
    until_ok dialog_closed || fail "Enter did not close the dialog"
    sleep 0.3
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

# glyph_diff A B: the pixels (of 64 x 64) in which the ink of two shots differs
# once both are trimmed to their ink and brought to one size.
glyph_diff() {
    local a d
    for a in "$1" "$2"; do
        convert "$OUT/$a.png" -bordercolor white -border 1 -fuzz 20% -trim +repage -resize '64x64!' \
            -threshold 50% "$OUT/$a-ink.png"
    done
    d=$(compare -metric AE "$OUT/$1-ink.png" "$OUT/$2-ink.png" null: 2>&1 || true)
    echo "${d%% *}"
}

# differ A B: the number of pixels that differ between two shots.
differ() { compare -metric AE -fuzz 10% "$OUT/$1.png" "$OUT/$2.png" null: 2>&1 || true; }

# sjis TEXT: the code page 932 bytes of a UTF-8 text, as hex.
sjis() { printf '%s' "$1" | iconv -f utf-8 -t cp932 | od -An -tx1 | tr -d ' \n'; }

# u16 TEXT: the UTF-16LE bytes of a UTF-8 text, as hex.
u16() { printf '%s' "$1" | iconv -f utf-8 -t utf-16le | od -An -tx1 | tr -d ' \n'; }

# rect NAME ARGS...: reads a probe rectangle into NAME_X NAME_Y NAME_W NAME_H.
rect() {
    local name=$1 x y w h
    shift
    read -r x y w h < <(probe "$@")
    printf -v "${name}_X" %s "$x"
    printf -v "${name}_Y" %s "$y"
    printf -v "${name}_W" %s "$w"
    printf -v "${name}_H" %s "$h"
}

# screen NAME X Y W H: a PNG of a part of the screen.
screen() { import -window root -crop "${4}x${5}+${2}+${3}" +repage "$OUT/$1.png"; }

# drag X1 Y1 X2 Y2: presses the left button at one point and releases it at
# the other, moving in steps as a hand would.
drag() {
    xdotool mousemove "$1" "$2" sleep 0.2 mousedown 1
    local i
    for i in 1 2 3 4 5 6 7 8; do
        xdotool mousemove $(($1 + ($3 - $1) * i / 8)) $(($2 + ($4 - $2) * i / 8)) sleep 0.05
    done
    xdotool sleep 0.2 mouseup 1
    sleep 0.4
}

# cpu_ticks: processor time the program has used, in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$APP_PID/stat"; }

# The other program of the clipboard tests (tests/tools/cliptool.cpp), built beside the probe.
CLIPTOOL=$(dirname "$PROBE")/cliptool.exe
cliptool() { wine "$CLIPTOOL" "$@" </dev/null 2>/dev/null; }

# pos_is TEXT: the position pane shows TEXT ("  1 /   3"); code_is HEX: the
# code pane shows that Shift-JIS code.
pos_is() { [ "$(probe status 1)" = "$(sjis "$1")" ]; }
code_is() { [ "$(probe status 2)" = "$(sjis "SJIS : 0x$1")" ]; }
# unicode_is HEX: the Unicode pane shows U+HEX.
unicode_is() { [ "$(probe status 3)" = "$(sjis "U+$1")" ]; }

# log NAME: what a background cliptool wrote to $OUT/NAME.log.
log() { tr -d '\r' < "$OUT/$1.log"; }
draws() { log "$1" | grep -c '^draw' || true; }
logged() { log "$1" | grep -qx "$2"; }

# dropped KIND HEX: drags cliptool's data (see tests/tools/cliptool.cpp) from
# its window onto the middle of the view; sets EFFECT to the effect the drag
# ended with.
dropped() {
    view_rect
    cliptool drag 2000 100 "$1" "${2:-}" >"$OUT/drag.log" &
    until_ok grep -q ready "$OUT/drag.log" || fail "no drag source window"
    drag 2050 150 $((VX + VW / 2)) $((VY + VH / 2))
    wait $!
    EFFECT=$(log drag | sed -n 's/^effect //p')
}

# use_locale LANG [NAME]: from here on, Wine runs in a prefix of its own (NAME
# if given) with the code page of that Unix locale (en_US.UTF-8: 1252,
# zh_CN.UTF-8: 936); its server ends with the test.
use_locale() {
    export QUELVAN_LANG=$1 LANG=$1 WINEPREFIX=$QUELVAN_ROOT/build/wineprefix-${2:-${1%%.*}}
    flock -o "$WINEPREFIX.lock" bash -c "source '$QUELVAN_ROOT/scripts/wine-env.sh'; wine_services_up"
    LOCALE_PREFIXES+=("$WINEPREFIX")
}
LOCALE_PREFIXES=()
end_locales() {
    local p
    for p in "${LOCALE_PREFIXES[@]}"; do WINEPREFIX=$p wineserver -k 2>/dev/null || true; done
}

# start_viewer NAME [HANG_S]: another clipboard viewer joins the chain (in front
# of every viewer so far); sets NAME to its window handle. Viewers leave the
# chain and end with the test, however it ends.
VIEWERS=() VIEWER_PIDS=()
start_viewer() {
    local name=$1
    wine "$CLIPTOOL" viewer ${2:-} </dev/null >"$OUT/$name.log" 2>/dev/null &
    VIEWER_PIDS+=($!)
    until_ok grep -q '^hwnd' "$OUT/$name.log" || fail "viewer $name did not start"
    printf -v "$name" %s "$(log "$name" | sed -n 's/^hwnd //p')"
    VIEWERS+=("${!name}")
}
quit_viewers() {
    local h
    for h in "${VIEWERS[@]}"; do cliptool quit "$h" || true; done
    # Only the viewers: a bare wait would also wait for a program still running.
    [ ${#VIEWER_PIDS[@]} = 0 ] || wait "${VIEWER_PIDS[@]}" 2>/dev/null || true
}
# start_hooks: from here on tests/tools/winhook.cpp does inside every program
# that asks for it (QUELVAN_HOOK_... in its environment) what only Windows
# does; the hooks and whatever else is started in the background end with the test.
BACKGROUND_PIDS=()
start_hooks() {
    wine "$PROBE" hook "$(winepath -w "$(dirname "$PROBE")/winhook.dll")" </dev/null >"$OUT/hooks.log" 2>/dev/null &
    BACKGROUND_PIDS+=($!)
    until_ok grep -qs ready "$OUT/hooks.log" || fail "the hooks were not installed"
}
end_background() { [ ${#BACKGROUND_PIDS[@]} = 0 ] || kill "${BACKGROUND_PIDS[@]}" 2>/dev/null || true; }
trap 'quit_viewers; end_locales; end_background' EXIT
