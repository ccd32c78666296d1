#!/usr/bin/env bash
# The command set from the keyboard: the keys that must do nothing, the
# stepping keys at the ends of the text, the dialogs, New, and the Edit menu.
source "$(dirname "$0")/lib.sh"

start_app
rect FRAME frame-rect
view_rect
xdotool mousemove $((VX + VW / 2)) $((VY + VH / 2))

# Ctrl+C and Ctrl+Insert with an empty text leave the clipboard as it was.
probe clip-set 6b656570   # "keep"
xdotool key ctrl+c ctrl+Insert
sleep 0.3
[ "$(probe clip-get)" = 6b656570 ] || fail "a copy key changed the clipboard while the text is empty"

# A text through the input dialog, opened from the Edit menu (Alt+E, I).
xdotool key alt+e
sleep 0.3
screen edit-menu "$FRAME_X" "$FRAME_Y" "$FRAME_W" "$FRAME_H"
[ "$(probe status 0)" = "$(sjis 'ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け')" ] || fail "the Edit menu's first item shows no prompt"
xdotool key i
until_ok dialog_open || fail "Edit ▸ I did not open the input dialog"
[ "$(probe dialog)" = "$(sjis '文字入力')" ] || fail "the input dialog's title"
xdotool type --delay 40 'xyz'
xdotool key Return
until_ok dialog_closed || fail "Enter did not close the input dialog"
[ "$(probe status 0)" = "$(sjis 'ﾚﾃﾞｨ')" ] || fail "the message pane does not return to ﾚﾃﾞｨ after the menu"
sleep 0.3
shot first
[ "$(probe status 1)" = "$(sjis '  1 /   3')" ] || fail "position after the input"

# Keys without a command, and Ctrl+I, which only the menu label shows.
xdotool key ctrl+i ctrl+x shift+Delete ctrl+z F6 shift+F6 alt+BackSpace
# Wine (unlike Windows) takes the Alt release after an Alt accelerator as a
# press of the menu key: leave the menu bar.
sleep 0.2
xdotool key Escape
sleep 0.5
[ "$(probe dialog)" = none ] || fail "Ctrl+I opened a dialog"
shot after-keys
[ "$(differ first after-keys)" -lt 50 ] || fail "a key without a command changed the view"
[ "$(probe status 1)" = "$(sjis '  1 /   3')" ] || fail "a key without a command moved the cursor"
[ "$(probe clip-get)" = 6b656570 ] || fail "a key without a command changed the clipboard"

# SHIFT+SPACE at the first character and SPACE at the last do nothing.
xdotool key shift+space
sleep 0.2
[ "$(probe status 1)" = "$(sjis '  1 /   3')" ] || fail "SHIFT+SPACE at the first character moved"
xdotool key space space space space
sleep 0.3
[ "$(probe status 1)" = "$(sjis '  3 /   3')" ] || fail "SPACE did not stop at the last character"
[ "$(probe status 2)" = "$(sjis 'SJIS : 0x7a')" ] || fail "the code pane at z"

# Escape cancels the input dialog: the text and the cursor stay.
view_rect
xdotool mousemove $((VX + VW / 2)) $((VY + VH / 2)) click --repeat 2 --delay 60 1
until_ok dialog_open || fail "double-click did not open the input dialog"
xdotool type --delay 40 'QQ'
xdotool key Escape
until_ok dialog_closed || fail "Escape did not close the input dialog"
[ "$(probe status 1)" = "$(sjis '  3 /   3')" ] || fail "a cancelled dialog changed the text"

# The arrows, Home and End step as SPACE does; so does the wheel over the view.
step() { xdotool "$@"; sleep 0.2; }
for s in 'key Home 1' 'key Right 2' 'key Right 3' 'key Left 2' 'key End 3' 'key Home 1' 'click 5 2' 'click 4 1'; do
    set -- $s
    step "$1" "$2"
    pos_is "  $3 /   3" || fail "$2 showed $(probe status 1), not character $3"
done
# With the focus in the font box its keys choose a face; the wheel over the view still steps.
rect B fontbox-rect
xdotool mousemove $((B_X + B_W / 2)) $((B_Y + 10)) click 1 sleep 0.5 key Escape
for s in 'Right 1' 'Home 0' 'Down 1'; do
    set -- $s
    step key "$1"
    [ "$(probe fontbox-sel)" = "$2" ] && pos_is '  1 /   3' || fail "$1 in the font box: face $(probe fontbox-sel)"
done
probe fontbox-wheel -120 $((VX + VW / 2)) $((VY + VH / 2))
sleep 0.2
pos_is '  2 /   3' && [ "$(probe fontbox-sel)" = 1 ] || fail "the wheel over the view, sent to the focused font box"

# About, from the Help menu: modal, centred over the main window, closed by Enter.
xdotool key alt+h a
until_ok dialog_open || fail "Help ▸ A did not open the About box"
[ "$(probe dialog)" = "$(sjis 'quelvanのﾊﾞｰｼﾞｮﾝ情報')" ] || fail "the About box's title"
rect DLG dialog-rect
screen about "$FRAME_X" "$FRAME_Y" "$FRAME_W" "$FRAME_H"
dx=$((DLG_X + DLG_W / 2 - FRAME_X - FRAME_W / 2))
dy=$((DLG_Y + DLG_H / 2 - FRAME_Y - FRAME_H / 2))
[ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] || fail "the About box is not centred over the main window ($dx, $dy)"
xdotool key Return
until_ok dialog_closed || fail "Enter did not close the About box"

# New (File ▸ N) starts a second, independent copy.
xdotool key alt+f n
until_ok windows_open 2 || fail "New did not start a second copy"
probe close-all
two_closed() { [ "$(probe count)" = 0 ]; }
until_ok two_closed || fail "the copies did not close"
for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
! kill -0 "$APP_PID" 2>/dev/null || fail "the first copy did not end"
echo "ok; screenshots in $OUT"
