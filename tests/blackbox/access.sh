#!/usr/bin/env bash
# For every eye. A screen reader: the view's accessible name, read from
# another process, is the character shown (on an English system too), and a
# WinEvent hook in another process sees the name change at each step. The user's colours: with yellow
# text on black windows (a prefix of its own) the glyph is drawn in them with
# no box around it, its ink where it is in the default scheme (to a pixel).
source "$(dirname "$0")/lib.sh"

# show_kanji NAME: 漢 of 漢字を読む, named so, with shots of the view and the window.
show_kanji() {
    start_app
    [ "$(probe acc-name)" = none ] || fail "$1: an empty view is named $(probe acc-name)"
    probe command 32781
    until_ok dialog_open || fail "$1: the input dialog did not open"
    probe dialog-type-unicode "$(u16 '漢字を読む')"
    until_ok pos_is '  1 /   5' || fail "$1: the text was not taken"
    [ "$(probe acc-name)" = "$(u16 漢)" ] || fail "$1: the view is named $(probe acc-name), not 漢"
    sleep 0.3
    shot "view-$1"
    rect F frame-rect
    screen "window-$1" "$F_X" "$F_Y" "$F_W" "$F_H"
}

show_kanji default
# Unfiltered, so that "ready" is in the file as soon as it is written.
wine "$PROBE" acc-events 2 </dev/null >"$OUT/events.log" 2>/dev/null &
until_ok grep -q ready "$OUT/events.log" || fail "no WinEvent hook"
xdotool key space
until_ok pos_is '  2 /   5' || fail "SPACE did not step"
[ "$(probe acc-name)" = "$(u16 字)" ] || fail "after SPACE the view is named $(probe acc-name), not 字"
xdotool key shift+space
wait $! || fail "the hook saw $(grep -vc ready "$OUT/events.log") name changes, not 2"
[ "$(log events | tr '\n' ' ')" = "ready $(u16 字) $(u16 漢) " ] || fail "the hook saw: $(log events)"
stop_app
read -r W H X Y < <(ink view-default)

use_prefix dark
wine reg add 'HKCU\Control Panel\Colors' /v Window /t REG_SZ /d '0 0 0' /f >/dev/null 2>&1 </dev/null
wine reg add 'HKCU\Control Panel\Colors' /v WindowText /t REG_SZ /d '255 255 0' /f >/dev/null 2>&1 </dev/null
show_kanji dark
stop_app
convert "$OUT/window-default.png" "$OUT/window-dark.png" -background white -splice 8x0 +append -chop 8x0 \
    "$OUT/default-and-dark.png"
# pixels COLOUR: how many pixels of the dark view are near that colour.
pixels() { convert "$OUT/view-dark.png" -fuzz 10% -fill white -opaque "$1" -fill black +opaque white -format '%[fx:round(mean*w*h)]' info:; }
[ "$(pixels white)" = 0 ] || fail "the dark view has $(pixels white) white pixels"
[ "$(pixels yellow)" -gt $((W * H / 10)) ] || fail "the glyph's ink is not yellow ($(pixels yellow) pixels)"
# The rasterizer's smoothing may take an edge pixel one way or the other.
read -r DW DH DX DY < <(convert "$OUT/view-dark.png" -bordercolor black -border 1 -fuzz 20% -trim -format '%w %h %X %Y\n' info:)
for d in $((DX - X)) $((DY - Y)) $((DX + DW - X - W)) $((DY + DH - Y - H)); do
    [ $((d * d)) -le 1 ] || fail "the dark ink box is $DW $DH $DX $DY, not $W $H $X $Y as in the default scheme"
done
# The name in Unicode on a system whose code page lacks the character.
use_locale en_US.UTF-8
show_kanji english
stop_app
echo "ok: ink ${W}x${H} at $X,$Y in both schemes; screenshots in $OUT"
