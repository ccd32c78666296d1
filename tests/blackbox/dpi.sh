#!/usr/bin/env bash
# At 144 DPI (150 %) the toolbar's images and buttons and the font box grow
# with the text; the images are the same pixel maps, each pixel repeated.
# A prefix of its own, whose desktop is set to 144 DPI.
# Then, on the 96-DPI desktop, WM_DPICHANGED (sent as the system sends it on
# a move to another screen) to 144 and back: the window takes the suggested
# rectangle and its bars look as in a program started at that DPI; the
# floating toolbar likewise.
QUELVAN_ROOT=$(cd "$(dirname "$0")/../.." && pwd)
P144=$QUELVAN_ROOT/build/wineprefix-dpi144
export WINEPREFIX=$P144
source "$(dirname "$0")/lib.sh"
trap 'WINEPREFIX=$P144 wineserver -k 2>/dev/null || true' EXIT
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1 </dev/null

# bars NAME: the button's and font box's sizes, the toolbar's height, and the
# status bar's height docked (the frame's bar), the toolbar's width floating.
bars() {
    rect I item-rect 0
    rect T toolbar-rect
    rect S status-rect
    rect B fontbox-rect
    [ "$(probe float-rect)" = none ] || S_H=$T_W
    printf -v "$1" '%s' "$I_W $I_H $B_W $B_H $T_H $S_H"
}
# same A B: two "w h ..." lists agree within a pixel each.
same() {
    local a=($1) b=($2) i
    for i in "${!a[@]}"; do [ $((a[i] - b[i])) -le 1 ] && [ $((b[i] - a[i])) -le 1 ] || return 1; done
}
float_bar() {
    rect FRAME frame-rect
    rect BAR toolbar-rect
    drag $((BAR_X + 4)) $((BAR_Y + BAR_H / 2)) $((FRAME_X + FRAME_W + 60)) $((FRAME_Y + 80))
    [ "$(probe float-rect)" != none ] || fail "the toolbar does not float"
}

start_app
rect I item-rect 0
rect B fontbox-rect
echo "at 144 DPI: button ${I_W}x${I_H}, font box ${B_W} wide"
# 16 x 15 images become 24 x 23, and the 7-pixel padding 11: 35 x 34.
[ "${I_W}x${I_H}" = 35x34 ] || fail "a button at 144 DPI is ${I_W}x${I_H}, not 35x34"
[ "$B_W" = 150 ] || fail "the font box at 144 DPI is $B_W wide, not 150"

rect T toolbar-rect
screen toolbar-144dpi "$T_X" "$T_Y" "$T_W" "$T_H"
# The next-character arrow (item 9): its blue pixels fill a whole image's
# worth of the enlarged button, in one flat colour (no blended edges).
rect N item-rect 9
screen arrow-144dpi "$N_X" "$N_Y" "$N_W" "$N_H"
colours=$(convert "$OUT/arrow-144dpi.png" -format %k info:)
[ "$colours" -le 4 ] || fail "the enlarged arrow has $colours colours: blended, not crisp"
bars AT144
rect F frame-rect
screen frame-144dpi "$F_X" "$F_Y" "$F_W" "$F_H"
float_bar
bars FLOAT144
stop_app

# The 96-DPI desktop, with a fresh settings file.
export WINEPREFIX=$QUELVAN_ROOT/build/wineprefix
flock -o "$WINEPREFIX.lock" bash -c "source '$QUELVAN_ROOT/scripts/wine-env.sh'; wine_services_up"
rm -f "$APPDIR/quelvan.ini"
start_app
enter_text WM
bars AT96
shot glyph-96dpi
read -r _ INK_H _ < <(ink glyph-96dpi)
rect F frame-rect
W=$((F_W * 3 / 2)) H=$((F_H * 3 / 2))
probe dpi 144 "$F_X" "$F_Y" "$W" "$H"
sleep 0.3
[ "$(probe frame-rect)" = "$F_X $F_Y $W $H" ] || fail "the window is at $(probe frame-rect), not the suggested $F_X $F_Y $W $H"
bars NOW
echo "to 144 DPI: $NOW (started at 144: $AT144)"
same "$NOW" "$AT144" || fail "after WM_DPICHANGED to 144 the bars are $NOW, not $AT144 as started at 144"
# The view painted at its new size, and the font box's list as tall as at 144.
shot glyph-144dpi-changed
read -r _ h _ < <(ink glyph-144dpi-changed)
[ "$h" -gt $((INK_H * 5 / 4)) ] || fail "the glyph is $h high after the change, $INK_H before: not drawn for the new size"
rect B fontbox-rect
xdotool mousemove $((B_X + B_W / 2)) $((B_Y + 10)) click 1
sleep 0.5
screen frame-144dpi-changed "$F_X" "$F_Y" "$W" "$H"
xdotool key Escape
probe dpi 96 "$F_X" "$F_Y" "$F_W" "$F_H"
sleep 0.3
bars NOW
same "$NOW" "$AT96" || fail "back at 96 DPI the bars are $NOW, not $AT96 as started at 96"

float_bar
bars FLOAT96
rect FL float-rect
probe dpi 144 "$FL_X" "$FL_Y" $((FL_W * 3 / 2)) $((FL_H * 3 / 2)) float
sleep 0.3
bars NOW
echo "floating, to 144 DPI: $NOW (started at 144: $FLOAT144)"
same "$NOW" "$FLOAT144" || fail "the floating bar at 144 DPI is $NOW, not $FLOAT144 as started at 144"
rect FL2 float-rect
[ "$FL2_X $FL2_Y" = "$FL_X $FL_Y" ] || fail "the floating window is at $FL2_X $FL2_Y, not the suggested $FL_X $FL_Y"
screen float-144dpi-changed $((FL2_X - 10)) $((FL2_Y - 10)) $((FL2_W + 20)) $((FL2_H + 20))
probe dpi 96 "$FL_X" "$FL_Y" "$FL_W" "$FL_H" float
sleep 0.3
bars NOW
same "$NOW" "$FLOAT96" || fail "the floating bar back at 96 DPI is $NOW, not $FLOAT96"
# Docked from a window at 144 into the frame at 96: laid out for the frame's DPI.
probe dpi 144 "$FL_X" "$FL_Y" $((FL_W * 3 / 2)) $((FL_H * 3 / 2)) float
sleep 0.3
xdotool mousemove $((FL_X + FL_W / 2)) $((FL_Y + 8)) click --repeat 2 --delay 60 1
sleep 0.5
[ "$(probe float-rect)" = none ] || fail "a double-click on the caption did not dock the toolbar"
bars NOW
same "$NOW" "$AT96" || fail "docked again from 144 DPI into the frame at 96 the bars are $NOW, not $AT96"
stop_app
echo "ok"
