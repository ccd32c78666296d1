#!/usr/bin/env bash
# Text as real sources put it on a Japanese system: a Unicode program's copy
# and an old program's Shift-JIS, each made while the English (US) keyboard
# layout was active (CF_LOCALE 0x0409), a Linux program's copy, and a Linux
# program's drags, whose text the panes show at once.
source "$(dirname "$0")/lib.sh"
PASTE=0xE125 CLIPWATCH=0x8004 NEXT=32780
TEXT=漢字を読む
# soon CMD...: CMD succeeds within a second.
soon() { for _ in $(seq 10); do "$@" && return 0; sleep 0.1; done; return 1; }
shows() { pos_is "  1 /   $1" && code_is "$2"; }

start_app
probe clip-set-unicode "$(u16 $TEXT)" 0409
probe command $PASTE
until_ok shows 5 8abf || fail "Paste of a Unicode copy: $(probe status 1) $(probe status 2)"
probe command $CLIPWATCH
probe command $NEXT
probe clip-set "$(sjis $TEXT)" 0409
until_ok shows 5 8abf || fail "monitoring, an ANSI Shift-JIS copy: $(probe status 1) $(probe status 2)"
probe command $NEXT
probe clip-set-unicode "$(u16 $TEXT)" 0409
until_ok shows 5 8abf || fail "monitoring, a Unicode copy: $(probe status 1) $(probe status 2)"

# Copied in a Linux program: Unicode, whose JIS forms get the codes Windows gives them.
printf '〜−‖' | xsel -b -i
until_ok code_is 8160 || fail "a Linux copy of 〜−‖: $(probe status 2)"
for code in 817c 8161; do
    probe command $NEXT
    until_ok code_is $code || fail "〜−‖ copied in Linux: $(probe status 2) where 0x$code belongs"
done
probe command $CLIPWATCH

# Dragged from a GTK program, four times: each drop's panes at once.
/usr/bin/python3 "$(dirname "$0")/../tools/gtkdrag.py" 2000 100 "$TEXT" abc 'あい' '〜−‖' >"$OUT/gtk.log" 2>&1 &
until_ok grep -q ready "$OUT/gtk.log" || fail "no GTK drag source"
view_rect
n=0
for expect in "5 8abf" "3 61" "2 82a0" "3 8160"; do
    drag 2050 150 $((VX + VW / 2)) $((VY + VH / 2))
    n=$((n + 1))
    until_ok grep -q "done $n" "$OUT/gtk.log" || fail "GTK drag $n did not end"
    soon shows $expect || fail "GTK drag $n: the panes show $(probe status 1) $(probe status 2)"
done
kill %1 2>/dev/null || true
stop_app
echo "ok; screenshots in $OUT"
