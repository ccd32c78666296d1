#!/usr/bin/env bash
# The user's colours: in a scheme of yellow text on a black window (a prefix
# of its own) the glyph is drawn in the window text colour on the window
# colour, with no box around it, its ink where it is in the default scheme
# (to a pixel).
source "$(dirname "$0")/lib.sh"

# show_kanji NAME: 漢 of 漢字を読む; shots of the view and of the window.
show_kanji() {
    start_app
    probe command 32781
    until_ok dialog_open || fail "$1: the input dialog did not open"
    probe dialog-type-unicode "$(u16 '漢字を読む')"
    until_ok dialog_closed || fail "$1: OK did not close the dialog"
    until_ok pos_is '  1 /   5' || fail "$1: the text was not taken"
    sleep 0.3
    shot "view-$1"
    rect F frame-rect
    screen "window-$1" "$F_X" "$F_Y" "$F_W" "$F_H"
    stop_app
}
# pixels NAME COLOUR: how many pixels of a shot are near that colour.
pixels() {
    convert "$OUT/$1.png" -fuzz 10% -fill white -opaque "$2" -fill black +opaque white \
        -format '%[fx:round(mean*w*h)]' info:
}

show_kanji default
read -r W H X Y < <(ink view-default)

use_prefix dark
wine reg add 'HKCU\Control Panel\Colors' /v Window /t REG_SZ /d '0 0 0' /f >/dev/null 2>&1 </dev/null
wine reg add 'HKCU\Control Panel\Colors' /v WindowText /t REG_SZ /d '255 255 0' /f >/dev/null 2>&1 </dev/null
show_kanji dark
convert "$OUT/window-default.png" "$OUT/window-dark.png" -background white -splice 8x0 +append \
    -chop 8x0 "$OUT/default-and-dark.png"

white=$(pixels view-dark white)
[ "$white" = 0 ] || fail "the dark scheme's view has $white white pixels"
yellow=$(pixels view-dark yellow)
[ "$yellow" -gt $((W * H / 10)) ] || fail "the glyph's ink is not yellow ($yellow yellow pixels)"
# The same glyph in the same place; light on dark, the rasterizer's
# smoothing may take an edge pixel one way or the other.
read -r DW DH DX DY < <(convert "$OUT/view-dark.png" -bordercolor black -border 1 -fuzz 20% -trim \
    -format '%w %h %X %Y\n' info:)
for d in $((DX - X)) $((DY - Y)) $((DX + DW - X - W)) $((DY + DH - Y - H)); do
    [ $((d * d)) -le 1 ] || fail "the ink box is $DW $DH $DX $DY, not $W $H $X $Y as in the default scheme"
done
echo "ok: ink ${W}x${H} at $X,$Y in both schemes; $yellow yellow pixels; screenshots in $OUT"
