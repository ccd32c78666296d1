#!/usr/bin/env bash
# Picking a face in the font box, with the keyboard in the open list and with
# the mouse, repaints the same character in that face at once.
source "$(dirname "$0")/lib.sh"

start_app
enter_text 'WM'
shot first-face
position=$(probe status 1)
[ "$(probe fontbox-sel)" = 0 ] || fail "the top face is not selected at start"

# Open the list with the mouse; it is wide enough for every name.
rect B fontbox-rect
xdotool mousemove $((B_X + B_W / 2)) $((B_Y + 10)) click 1
sleep 0.5
rect F frame-rect
screen fontbox-open "$F_X" "$F_Y" "$F_W" "$F_H"

# The keyboard in the open list: the next face, shown at once.
xdotool key Down
sleep 0.3
[ "$(probe fontbox-sel)" = 1 ] || fail "Down in the open list selected $(probe fontbox-sel)"
xdotool key Return
sleep 0.3
shot second-face
[ "$(differ first-face second-face)" -gt 200 ] || fail "the glyph was not redrawn in the second face"
[ "$(probe status 1)" = "$position" ] || fail "picking a face moved the position"

# The mouse: the first entry, just below the box, brings the first face back.
xdotool mousemove $((B_X + B_W / 2)) $((B_Y + 10)) click 1
sleep 0.5
xdotool mousemove $((B_X + 30)) $((B_Y + B_H + 8)) click 1
sleep 0.4
[ "$(probe fontbox-sel)" = 0 ] || fail "a click on the first entry selected $(probe fontbox-sel)"
shot first-again
[ "$(differ first-face first-again)" -lt 50 ] || fail "the first face did not come back"
stop_app
echo "ok"
