#!/usr/bin/env bash
# The floating toolbar resized by its frame with the mouse: narrowed, the
# buttons wrap into rows and the window grows taller, with the font box over
# its item and its list still working; widened again, one row.
source "$(dirname "$0")/lib.sh"

start_app
rect FRAME frame-rect
rect BAR toolbar-rect
drag $((BAR_X + 4)) $((BAR_Y + BAR_H / 2)) $((FRAME_X + FRAME_W + 60)) $((FRAME_Y + 80))
[ "$(probe float-rect)" != none ] || fail "the toolbar does not float"
rect WIDE float-rect
rect ITEM0 item-rect 0
rect ITEM6 item-rect 6
[ "$ITEM6_Y" = "$ITEM0_Y" ] || fail "the floating toolbar does not start as one row"
screen float-wide $((WIDE_X - 10)) $((WIDE_Y - 10)) $((WIDE_W + 20)) $((WIDE_H + 120))

# Drag the right edge to about half the width.
drag $((WIDE_X + WIDE_W - 2)) $((WIDE_Y + WIDE_H / 2)) $((WIDE_X + WIDE_W / 2)) $((WIDE_Y + WIDE_H / 2))
rect NARROW float-rect
[ "$NARROW_X" = "$WIDE_X" ] || fail "the left edge moved when the right one was dragged"
[ "$NARROW_W" -le $((WIDE_W / 2 + 4)) ] && [ "$NARROW_H" -gt "$WIDE_H" ] ||
    fail "the window did not narrow into rows (${WIDE_W}x${WIDE_H} -> ${NARROW_W}x${NARROW_H})"
rect ITEM0 item-rect 0
rect ITEM6 item-rect 6
rect BOX fontbox-rect
[ "$ITEM6_Y" -gt "$ITEM0_Y" ] || fail "the font box's item did not wrap to another row"
[ "$BOX_X" = "$ITEM6_X" ] && [ "$BOX_Y" = $((ITEM6_Y + 1)) ] && [ "$BOX_W" = 100 ] ||
    fail "the font box ($BOX_X $BOX_Y $BOX_W) is not over its item ($ITEM6_X $ITEM6_Y)"
screen float-narrow $((NARROW_X - 10)) $((NARROW_Y - 10)) $((WIDE_W + 20)) $((NARROW_H + 120))

# The font box's list opens where the box now is, and picks a face.
sel=$(probe fontbox-sel)
xdotool mousemove $((BOX_X + BOX_W / 2)) $((BOX_Y + 10)) click 1
sleep 0.5
screen float-list $((NARROW_X - 10)) $((NARROW_Y - 10)) $((WIDE_W + 200)) $((NARROW_H + 240))
xdotool key Down Return
sleep 0.3
[ "$(probe fontbox-sel)" = $((sel + 1)) ] || fail "the font box's list did not pick the next face"

# Widen it again: one row, as wide as at first.
drag $((NARROW_X + NARROW_W - 2)) $((NARROW_Y + NARROW_H / 2)) $((WIDE_X + WIDE_W + 40)) $((NARROW_Y + NARROW_H / 2))
rect AGAIN float-rect
rect ITEM6 item-rect 6
[ "$AGAIN_W" = "$WIDE_W" ] && [ "$AGAIN_H" = "$WIDE_H" ] && [ "$ITEM6_Y" = "$ITEM0_Y" ] ||
    fail "widened again, the window is ${AGAIN_W}x${AGAIN_H}, not one row of ${WIDE_W}x${WIDE_H}"
screen float-wide-again $((AGAIN_X - 10)) $((AGAIN_Y - 10)) $((AGAIN_W + 20)) $((AGAIN_H + 120))

stop_app
echo "ok; screenshots in $OUT"
