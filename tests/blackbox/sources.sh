#!/usr/bin/env bash
# Text as real sources put it on a Japanese system: a Unicode program's copy
# and an old program's Shift-JIS, each made while the English (US) keyboard
# layout was active (CF_LOCALE 0x0409), a Linux program's copy, and a Linux
# program's drags, whose text the panes show at once; and characters that
# Shift-JIS lacks, shown, named and copied as themselves.
source "$(dirname "$0")/lib.sh"
PASTE=0xE125 CLIPWATCH=0x8004 NEXT=32780 COPY=0xE122
TEXT=漢字を読む
# soon CMD...: CMD succeeds within a second.
soon() { for _ in $(seq 10); do "$@" && return 0; sleep 0.1; done; return 1; }
shows() { pos_is "  1 /   $1" && [ "$(probe status 2)" = "$(sjis "SJIS : $2")" ]; }

start_app
probe clip-set-unicode "$(u16 $TEXT)" 0409
probe command $PASTE
until_ok shows 5 0x8abf || fail "Paste of a Unicode copy: $(probe status 1) $(probe status 2)"
probe command $CLIPWATCH
probe command $NEXT
probe clip-set "$(sjis $TEXT)" 0409
until_ok shows 5 0x8abf || fail "monitoring, an ANSI Shift-JIS copy: $(probe status 1) $(probe status 2)"
probe command $NEXT
probe clip-set-unicode "$(u16 $TEXT)" 0409
until_ok shows 5 0x8abf || fail "monitoring, a Unicode copy: $(probe status 1) $(probe status 2)"

# Copied in a Linux program: Unicode, whose JIS forms get the codes Windows gives them.
printf '〜−‖' | xsel -b -i
until_ok code_is 8160 || fail "a Linux copy of 〜−‖: $(probe status 2)"
for code in 817c 8161; do
    probe command $NEXT
    until_ok code_is $code || fail "〜−‖ copied in Linux: $(probe status 2) where 0x$code belongs"
done
probe command $CLIPWATCH

# 𠮷 (U+20BB7) has no Shift-JIS code: it is shown and named as itself, its
# codes are no code and U+20BB7; Copy gives it back in Unicode, '?' in CF_TEXT.
probe clip-set-unicode "$(u16 𠮷野家)"
probe command $PASTE
until_ok shows 3 ---- || fail "𠮷野家: $(probe status 1) $(probe status 2)"
unicode_is 20BB7 || fail "𠮷's Unicode pane: $(probe status 3)"
[ "$(probe acc-name)" = "$(u16 𠮷)" ] || fail "𠮷's accessible name: $(probe acc-name)"
xdotool key space
until_ok code_is 96ec || fail "SPACE to 野: $(probe status 2)"
unicode_is 91CE || fail "野's Unicode pane: $(probe status 3)"
probe command $COPY
copied() { [ "$(probe clip-get-unicode)" = "$(u16 𠮷野家)" ]; }
until_ok copied || fail "Copy gave $(probe clip-get-unicode)"
[ "$(probe clip-get)" = "$(sjis '?野家')" ] || fail "Copy's CF_TEXT: $(probe clip-get)"
# é is no e; ¥ is the yen sign of code page 932.
probe clip-set-unicode "$(u16 é¥)"
probe command $PASTE
until_ok unicode_is 00E9 || fail "é: $(probe status 3)"
shows 2 ---- || fail "é: $(probe status 2)"
probe command $NEXT
until_ok code_is 5c || fail "¥: $(probe status 2)"

# Dragged from a GTK program, five times: each drop's panes at once.
/usr/bin/python3 "$(dirname "$0")/../tools/gtkdrag.py" 2000 100 "$TEXT" abc 'あい' '〜−‖' '𠮷野家' >"$OUT/gtk.log" 2>&1 &
until_ok grep -q ready "$OUT/gtk.log" || fail "no GTK drag source"
view_rect
n=0
for expect in "5 0x8abf" "3 0x61" "2 0x82a0" "3 0x8160" "3 ----"; do
    drag 2050 150 $((VX + VW / 2)) $((VY + VH / 2))
    n=$((n + 1))
    until_ok grep -q "done $n" "$OUT/gtk.log" || fail "GTK drag $n did not end"
    soon shows $expect || fail "GTK drag $n: the panes show $(probe status 1) $(probe status 2)"
done
kill %1 2>/dev/null || true
stop_app
echo "ok; screenshots in $OUT"
