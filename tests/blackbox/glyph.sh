#!/usr/bin/env bash
# A text typed into the input dialog is shown one character at a time, the
# glyph filling the view; SPACE and SHIFT+SPACE step; a character beyond
# Shift-JIS is drawn too; closing ends the process.
source "$(dirname "$0")/lib.sh"

start_app
shot empty
read -r W H _ _ < <(ink empty)
[ "$W" -le 2 ] || fail "an empty text should show a blank view (ink ${W}x${H})"

enter_text 'WM'

shot first
read -r W H _ _ < <(ink first)
echo "view ${VW}x${VH}, ink of W ${W}x${H}"
[ $((W * 10)) -ge $((VW * 6)) ] || fail "glyph too narrow: $W of $VW"
[ $((H * 10)) -ge $((VH * 5)) ] || fail "glyph too low: $H of $VH"

xdotool key space
sleep 0.3
shot second
[ "$(differ first second)" -gt 500 ] || fail "SPACE did not show the next character"

xdotool key space   # at the last character: nothing changes
sleep 0.3
shot still
[ "$(differ second still)" -lt 50 ] || fail "SPACE at the last character changed the view"

xdotool key shift+space
sleep 0.3
shot back
[ "$(differ first back)" -lt 50 ] || fail "SHIFT+SPACE did not return to the first character"

# A character that Shift-JIS lacks is drawn as itself in the same face, filling
# the view: 𠮟 (U+20B9F) much like 叱 beside it, not as '?' or a missing glyph.
probe clip-set-unicode "$(u16 叱𠮟)"
probe command 0xE125  # Paste
sleep 0.5
shot shitsu
xdotool key space
sleep 0.5
shot shikaru
d=$(glyph_diff shitsu shikaru)
read -r W H _ _ < <(ink shikaru)
echo "ink of 𠮟 ${W}x${H}, $d of 4096 pixels unlike 叱"
[ "$d" -lt 1000 ] || fail "𠮟 is not drawn as the face has it (see $OUT)"
[ $((W * 10)) -ge $((VW * 6)) ] && [ $((H * 10)) -ge $((VH * 5)) ] || fail "𠮟 does not fill the view"

# Left alone, the program waits: no timer, no busy loop.
before=$(cpu_ticks)
sleep 2
used=$(( $(cpu_ticks) - before ))
[ "$used" -le 3 ] || fail "the idle program used $used ticks of processor time in 2 s"

stop_app
echo "ok"
