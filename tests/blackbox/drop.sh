#!/usr/bin/env bash
# OLE drags from another process onto the view: text is taken (read only
# within its block), a file list and text offered only in a stream are refused
# (no copy cursor, and a drop that takes nothing is no success).
source "$(dirname "$0")/lib.sh"

start_app
view_rect
probe clip-set 6b656570 # "keep": no drop touches the clipboard

# dropped KIND HEX: drags from cliptool's window onto the middle of the view;
# sets EFFECT to the effect the drag ended with.
dropped() {
    cliptool drag 2000 100 "$1" "${2:-}" >"$OUT/drag.log" &
    until_ok grep -q ready "$OUT/drag.log" || fail "no drag source window"
    drag 2050 150 $((VX + VW / 2)) $((VY + VH / 2))
    wait $!
    EFFECT=$(log drag | sed -n 's/^effect //p')
}

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
[ "$(probe clip-get)" = 6b656570 ] || fail "a drop changed the clipboard"
stop_app
echo "ok; screenshots in $OUT"
