#!/usr/bin/env bash
# For every eye. The view's accessible name, read from another process, is the character shown
# (on an English system too), and another process's WinEvent hook sees it change at each step.
# With yellow text on black windows the glyph is drawn so, unboxed, its ink where the default's is.
source "$(dirname "$0")/lib.sh"

# show_kanji NAME: 漢 of 漢字を読む, named so, with shots of the view and the window.
show_kanji() {
    start_app
    [ "$(probe acc-name)" = none ] || fail "$1: an empty view is named $(probe acc-name)"
    probe command 32781
    until_ok probe dialog-type-unicode "$(u16 '漢字を読む')" || fail "$1: the input dialog did not open"
    until_ok pos_is '  1 /   5' || fail "$1: the text was not taken"
    [ "$(probe acc-name)" = "$(u16 漢)" ] || fail "$1: the view is named $(probe acc-name), not 漢"
    sleep 0.3
    shot "view-$1"
    rect F frame-rect
    screen "window-$1" "$F_X" "$F_Y" "$F_W" "$F_H"
}

show_kanji default
wine "$PROBE" acc-events 2 </dev/null >"$OUT/events.log" 2>/dev/null &
until_ok grep -q ready "$OUT/events.log" || fail "no WinEvent hook"
xdotool key space sleep 0.3 key shift+space
until_ok [ "$(log events | tr '\n' ' ')" = "ready $(u16 字) $(u16 漢) " ] || fail "the hook saw: $(log events)"
stop_app
read -r W H X Y < <(ink view-default)

use_locale ja_JP.UTF-8 dark
wine reg add 'HKCU\Control Panel\Colors' /v Window /t REG_SZ /d '0 0 0' /f >/dev/null 2>&1 </dev/null
wine reg add 'HKCU\Control Panel\Colors' /v WindowText /t REG_SZ /d '255 255 0' /f >/dev/null 2>&1 </dev/null
show_kanji dark
stop_app
white=$(convert "$OUT/view-dark.png" -fuzz 10% -fill black +opaque white -format '%[fx:round(mean*w*h)]' info:)
[ "$white" = 0 ] || fail "the dark view has $white white pixels"
# Yellow ink in the default's box, to a pixel or two (the smoothing of the edges differs).
box=$(convert "$OUT/view-dark.png" -fuzz 20% -fill black +opaque yellow -bordercolor black -border 1 -trim \
    -format '%w %h %X %Y' info:)
awk -v a="$W $H $X $Y" -v b="$box" 'BEGIN { split(a, p); split(b, q); for (i in p) if ((p[i] - q[i])^2 > 4) exit 1 }' ||
    fail "the dark ink box is $box, not $W $H $X $Y as in the default scheme"

use_locale en_US.UTF-8
show_kanji english
stop_app
echo "ok; screenshots in $OUT"
