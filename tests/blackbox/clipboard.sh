#!/usr/bin/env bash
# The clipboard between real processes: monitoring with a viewer behind
# quelvan, a picture-only clipboard, Copy while quelvan heads the chain, and a
# clipboard that another program holds open.
source "$(dirname "$0")/lib.sh"
PASTE=0xE125 CLIPWATCH=0x8004 PREV=32779 NEXT=32780

start_viewer V
start_app
probe command $CLIPWATCH

# Another program copies "abc": the first of three characters, and the viewer
# behind quelvan is told.
probe clip-set 616263
until_ok pos_is '  1 /   3' || fail "monitoring did not take the copied text"
until_ok [ "$(draws V)" = 1 ] || fail "the viewer behind quelvan got no notice"
shot abc

# Only a picture: the text and cursor stay, Paste turns disabled, the notice goes on.
probe command $NEXT
until_ok pos_is '  2 /   3' || fail "SPACE's command did not step"
[ "$(probe button $PASTE)" = enabled ] || fail "Paste is disabled while the clipboard holds text"
cliptool picture
until_ok [ "$(draws V)" = 2 ] || fail "the picture's notice was not passed on"
until_ok [ "$(probe button $PASTE)" = disabled ] || fail "Paste stays enabled without text on the clipboard"
pos_is '  2 /   3' || fail "a picture changed the text or the cursor"

# Copy (Ctrl+C) at the third character while quelvan heads the chain: the
# whole text goes to the clipboard and the view stays where it was.
probe clip-set 78797a
until_ok pos_is '  1 /   3' || fail "the second copied text was not taken"
probe command $NEXT
probe command $NEXT
until_ok pos_is '  3 /   3' || fail "stepping to the third character"
view_rect
xdotool mousemove $((VX + VW / 2)) $((VY + VH / 2)) key ctrl+c
until_ok [ "$(draws V)" = 4 ] || fail "quelvan's own copy was not passed on"
[ "$(probe clip-get)" = 78797a ] || fail "Copy put $(probe clip-get) on the clipboard"
pos_is '  3 /   3' || fail "quelvan pasted its own copy back"

# A clipboard held open elsewhere: Paste and the notice of joining do nothing,
# at once, and nothing is taken later.
probe command $CLIPWATCH
probe clip-set 6465
cliptool hold 6 >"$OUT/hold.log" &
until_ok grep -q held "$OUT/hold.log" || fail "the clipboard could not be held"
probe command $PASTE
probe command $CLIPWATCH
probe command $PREV # queued behind them: runs once they are done
until_ok pos_is '  2 /   3' || fail "the commands did not run"
! logged hold released || fail "Paste waited on the held clipboard"
wait $!
sleep 0.5
pos_is '  2 /   3' || fail "a change seen while the clipboard was held was taken later"
probe command $PASTE
until_ok pos_is '  1 /   2' || fail "Paste after the clipboard was released"

# For the README: monitoring (still on), a Japanese text copied elsewhere, stepped once.
probe clip-set "$(sjis 漢字を読む)"
until_ok pos_is '  1 /   5' || fail "monitoring did not take the Japanese text"
probe command $NEXT
until_ok pos_is '  2 /   5' || fail "stepping the Japanese text"
sleep 0.3
rect F frame-rect
screen monitoring "$F_X" "$F_Y" "$F_W" "$F_H"

stop_app
echo "ok; screenshots in $OUT"
