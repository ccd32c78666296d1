#!/usr/bin/env bash
# At 144 DPI (150 %) the toolbar's images and buttons and the font box grow
# with the text; the images are the same pixel maps, each pixel repeated.
# A prefix of its own, whose desktop is set to 144 DPI.
QUELVAN_ROOT=$(cd "$(dirname "$0")/../.." && pwd)
export WINEPREFIX=$QUELVAN_ROOT/build/wineprefix-dpi144
source "$(dirname "$0")/lib.sh"
trap 'wineserver -k 2>/dev/null || true' EXIT
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1 </dev/null

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
stop_app
echo "ok"
