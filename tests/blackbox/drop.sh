#!/usr/bin/env bash
# OLE drags from another process onto the view: text is taken (read only
# within its block), a file list and text offered only in a stream are refused
# (no copy cursor, and a drop that takes nothing is no success).
source "$(dirname "$0")/lib.sh"

start_app
view_rect
probe clip-set 6b656570 # "keep": no drop touches the clipboard

dropped text "$(sjis 'あ	い
う')"
[ "$EFFECT" = 1 ] || fail "a dragged text was not taken as a copy (effect $EFFECT)"
pos_is '  1 /   3' || fail "the dropped text without its tab and line break"
probe command 32780
# The same again, with Shift (a move elsewhere) held: the cursor goes back to the first character.
xdotool keydown shift sleep 0.05
dropped text "$(sjis 'あ	い
う')"
xdotool sleep 0.05 keyup shift
[ "$EFFECT" = 1 ] || fail "with Shift held, the drop was not a copy (effect $EFFECT)"
pos_is '  1 /   3' || fail "dropping the shown text again did not go back to its start"
shot dropped-text

# A block of nine characters with no terminator: exactly nine characters.
dropped block 616263646566676869
pos_is '  1 /   9' || fail "an unterminated block was read beyond its end ($(probe status 1))"

probe command 32780
for kind in files stream strict-stream; do
    dropped $kind 78797a
    [ "$EFFECT" = 0 ] || fail "a drop of $kind was taken (effect $EFFECT)"
    pos_is '  2 /   9' || fail "a drop of $kind changed the text or the cursor"
done

# Text offered as Unicode alone (as every drag from a Linux program comes) is
# taken in code page 932, the JIS forms of Linux and Mac text with the codes
# Windows gives them.
dropped unicode "$(u16 '漢字を読む')"
[ "$EFFECT" = 1 ] || fail "a Unicode-only drag was not taken (effect $EFFECT)"
pos_is '  1 /   5' && code_is 8abf || fail "a Unicode drop of 漢字を読む: $(probe status 1) $(probe status 2)"
dropped unicode "$(u16 '〜−‖')"
for code in 8160 817c 8161; do
    code_is $code || fail "〜−‖ dropped: $(probe status 2) where 0x$code belongs"
    probe command 32780
done
[ "$(probe clip-get)" = 6b656570 ] || fail "a drop changed the clipboard"
stop_app
echo "ok; screenshots in $OUT"
