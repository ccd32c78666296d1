#!/usr/bin/env bash
# The character as a picture: Copy as Picture puts an outline metafile (no
# text record) and a drawing of the view's size.
source "$(dirname "$0")/lib.sh"

# ink_like A B: two pictures' ink boxes are alike in size and their ink in
# shape and darkness (the mean of the trimmed ink, 0 to 100).
darkness() { convert "$OUT/$1.png" -bordercolor white -border 1 -fuzz 20% -trim -colorspace gray -format '%[fx:int(100*mean)]' info:; }
ink_like() {
    local aw ah bw bh d
    read -r aw ah _ _ < <(ink "$1")
    read -r bw bh _ _ < <(ink "$2")
    d=$(glyph_diff "$1" "$2")
    echo "$1 ${aw}x$ah dark $(darkness "$1"), $2 ${bw}x$bh dark $(darkness "$2"): $d of 4096 unlike"
    [ $((aw * 100)) -ge $((bw * 97)) ] && [ $((bw * 100)) -ge $((aw * 97)) ] || return 1
    [ $((ah * 100)) -ge $((bh * 97)) ] && [ $((bh * 100)) -ge $((ah * 97)) ] || return 1
    [ "$d" -lt 250 ] && [ $(($(darkness "$1") - $(darkness "$2"))) -le 3 ] && [ $(($(darkness "$2") - $(darkness "$1"))) -le 3 ]
}

start_app
probe clip-set-unicode "$(u16 漢字を読む)"
probe command 0xE125 # Paste
sleep 0.5
shot view-1
xdotool key ctrl+shift+c
sleep 0.5
read -r emf ew eh text dib dw dh < <(probe clip-picture "$(winepath -w "$OUT")" | tr '\n' ' '; echo)
echo "metafile $emf ${ew}x$eh ($text text records), bitmap $dib ${dw}x$dh, view ${VW}x$VH"
[ "$emf" = emf ] && [ "$dib" = dib ] || fail "Copy as Picture did not put a metafile and a bitmap"
[ "$text" = 0 ] || fail "the metafile holds text records"
convert "$OUT/emf.bmp" "$OUT/emf.png"
convert "$OUT/dib.bmp" "$OUT/dib.png"
ink_like emf view-1 || fail "the metafile played is not the view's glyph"
[ "$dw $dh" = "$VW $VH" ] || fail "the bitmap is ${dw}x$dh, the view ${VW}x$VH"
[ "$(differ dib view-1)" -lt 50 ] || fail "the bitmap is not the view as shown"

stop_app
echo "ok"
