#!/usr/bin/env bash
# Full screen (F11) and back (Esc), and a close in full screen keeps the
# window's own placement.
source "$(dirname "$0")/lib.sh"

start_app
enter_text 'WMx'
rect F frame-rect
rect V view-rect
read -r SW SH < <(xdpyinfo | sed -n 's/ *dimensions: *\([0-9]*\)x\([0-9]*\) .*/\1 \2/p')

xdotool key F11
sleep 0.5
[ "$(probe frame-rect)" = "0 0 $SW $SH" ] || fail "full screen: frame at $(probe frame-rect)"
[ "$(probe view-rect)" = "0 0 $SW $SH" ] || fail "full screen: caption, menu, bars or edges left: view $(probe view-rect)"
shot full
read -r W H _ _ < <(ink full)
[ $((W * 10)) -ge $((SW * 6)) ] && [ $((H * 10)) -ge $((SH * 5)) ] || fail "glyph ${W}x${H} does not fill the screen"
xdotool key space
sleep 0.3
[ "$(probe acc-name)" = "$(u16 M)" ] || fail "SPACE in full screen showed $(probe acc-name)"

xdotool key Escape
sleep 0.5
[ "$(probe frame-rect)" = "$F_X $F_Y $F_W $F_H" ] && [ "$(probe view-rect)" = "$V_X $V_Y $V_W $V_H" ] ||
    fail "Esc gave the frame $(probe frame-rect), the view $(probe view-rect)"
pos_is '  2 /   3' || fail "the panes after full screen: $(probe status 1)"

xdotool key F11
sleep 0.5
stop_app
start_app
[ "$(probe frame-rect)" = "$F_X $F_Y $F_W $F_H" ] || fail "closed in full screen, it came back at $(probe frame-rect)"
stop_app
echo "ok"
