#!/usr/bin/env bash
# The toolbar and the status bar as a user sees them: seven buttons and the
# font box between the always-on-top and previous-character buttons, the idle
# text, a button's tooltip and prompt, and the toolbar dragged to the left edge,
# to a floating window and back.
source "$(dirname "$0")/lib.sh"

start_app
[ "$(probe ids)" = "57600 0 57637 32772 32773 0 32775 0 32779 32780 32781" ] || fail "toolbar items: $(probe ids)"
[ "$(probe status 0)" = "$(sjis 'ﾚﾃﾞｨ')" ] || fail "the message pane does not read ﾚﾃﾞｨ"

rect FRAME frame-rect
rect BAR toolbar-rect
rect BOX fontbox-rect
screen docked-top "$FRAME_X" "$FRAME_Y" "$FRAME_W" "$FRAME_H"

# Seven buttons: each shows an image (more than one colour in its box).
buttons=0
for i in 0 2 3 4 8 9 10; do
    rect ITEM item-rect $i
    screen item$i $((ITEM_X + 3)) $((ITEM_Y + 3)) $((ITEM_W - 6)) $((ITEM_H - 6))
    colours=$(convert "$OUT/item$i.png" -format '%k' info:)
    [ "$colours" -ge 2 ] && buttons=$((buttons + 1))
done
[ "$buttons" = 7 ] || fail "only $buttons of the seven buttons show an image"
rect B4 item-rect 4
rect B8 item-rect 8
[ "$BOX_X" -ge $((B4_X + B4_W)) ] && [ $((BOX_X + BOX_W)) -le "$B8_X" ] || fail "the font box is not between items 4 and 8"
[ "$BOX_W" = 100 ] || fail "the font box is $BOX_W wide"

# Resting on the next-character button: its tooltip and its prompt.
rect NEXT item-rect 9
xdotool mousemove $((NEXT_X + NEXT_W / 2)) $((NEXT_Y + NEXT_H / 2))
sleep 0.3
xdotool mousemove $((NEXT_X + NEXT_W / 2 + 1)) $((NEXT_Y + NEXT_H / 2))
tooltip_shown() { [ "$(probe tooltip)" = "$(sjis '次の文字')" ]; }
until_ok tooltip_shown || fail "no tooltip 次の文字 (got $(probe tooltip))"
[ "$(probe status 0)" = "$(sjis '次の文字に移動します。')" ] || fail "no prompt for the next-character button"
screen tooltip "$FRAME_X" "$FRAME_Y" "$FRAME_W" $((FRAME_H / 2))
xdotool mousemove $((FRAME_X + FRAME_W / 2)) $((FRAME_Y + FRAME_H - 100))
sleep 0.3

# The pencil opens the input dialog.
rect PENCIL item-rect 10
xdotool mousemove $((PENCIL_X + PENCIL_W / 2)) $((PENCIL_Y + PENCIL_H / 2)) click 1
until_ok dialog_open || fail "the pencil button did not open the input dialog"
[ "$(probe dialog)" = "$(sjis '文字入力')" ] || fail "the pencil opened another dialog"
xdotool key Escape
until_ok dialog_closed || fail "Escape did not close the input dialog"
xdotool mousemove $((FRAME_X + FRAME_W / 2)) $((FRAME_Y + FRAME_H - 100))
sleep 0.3

# Drag by the gripper to the left edge: the bar runs down the left side.
rect CLIENT client-rect
drag $((BAR_X + 4)) $((BAR_Y + BAR_H / 2)) $((CLIENT_X + 6)) $((CLIENT_Y + CLIENT_H / 2))
rect BAR toolbar-rect
rect VIEW view-rect
[ "$BAR_H" -gt "$BAR_W" ] || fail "the toolbar docked at the left is not vertical (${BAR_W}x${BAR_H})"
[ "$BAR_X" = "$CLIENT_X" ] || fail "the toolbar is not at the left edge"
[ "$VIEW_X" -ge $((BAR_X + BAR_W)) ] || fail "the view was not laid out beside the toolbar"
screen docked-left "$FRAME_X" "$FRAME_Y" "$FRAME_W" "$FRAME_H"

# Drag it out of the frame: it floats in a window of its own.
drag $((BAR_X + BAR_W / 2)) $((BAR_Y + 4)) $((FRAME_X + FRAME_W + 60)) $((FRAME_Y + 80))
[ "$(probe float-rect)" != none ] || fail "the toolbar does not float"
rect FLOAT float-rect
rect VIEW view-rect
[ "$VIEW_Y" -le $((CLIENT_Y + 3)) ] && [ "$VIEW_X" -le $((CLIENT_X + 3)) ] || fail "the view did not take the toolbar's place"
screen floating "$FRAME_X" "$FRAME_Y" $((FLOAT_X + FLOAT_W - FRAME_X + 10)) "$FRAME_H"

# A double-click on its caption docks it again at the left, where it was.
xdotool mousemove $((FLOAT_X + FLOAT_W / 2)) $((FLOAT_Y + 6)) click --repeat 2 --delay 80 1
sleep 0.5
[ "$(probe float-rect)" = none ] || fail "a double-click on the caption did not dock the toolbar"
rect BAR toolbar-rect
[ "$BAR_X" = "$CLIENT_X" ] && [ "$BAR_H" -gt "$BAR_W" ] || fail "the toolbar did not dock at the left again"

# And back to the top.
drag $((BAR_X + BAR_W / 2)) $((BAR_Y + 4)) $((CLIENT_X + CLIENT_W / 2)) $((CLIENT_Y + 4))
rect BAR toolbar-rect
[ "$BAR_Y" = "$CLIENT_Y" ] && [ "$BAR_W" -gt "$BAR_H" ] || fail "the toolbar did not dock at the top"
screen docked-top-again "$FRAME_X" "$FRAME_Y" "$FRAME_W" "$FRAME_H"

stop_app
echo "ok; screenshots in $OUT"
