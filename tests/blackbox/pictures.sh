#!/usr/bin/env bash
# The character as a picture: Copy as Picture puts an outline metafile (no
# text record) and a drawing of the view's size; --pictures writes one file
# per character, like the view, and nothing where it cannot write.
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

# Save as Picture: the system's dialog saves the type the name's extension
# gives; a file already there is replaced only when the user says so.
save_as() {
    probe command 32787
    until_ok dialog_open || fail "Save as Picture opened no dialog"
    sleep 0.5
    xdotool type --delay 20 "$1"
    xdotool key Return
    sleep 1
}
saved=$(winepath -w "$OUT/saved.svg")
rm -f "$OUT/saved.svg"
save_as "$saved"
until_ok dialog_closed || fail "saved.svg was not saved"
grep -q '^<svg .*viewBox="0 0 ' "$OUT/saved.svg" || fail "saved.svg is no SVG"
before=$(stat -c %Y.%s "$OUT/saved.svg")
sleep 1
save_as "$saved"
xdotool key Escape sleep 0.5 key Escape
until_ok dialog_closed || fail "the Save dialog did not close"
[ "$(stat -c %Y.%s "$OUT/saved.svg")" = "$before" ] || fail "saved.svg was replaced without asking"

for i in 2 3 4 5; do
    xdotool key space
    sleep 0.3
    shot "view-$i"
done
stop_app

# Cards: one PNG per character, each like the view's; an SVG like its PNG.
cards() { (cd "$APPDIR" && wine quelvan.exe --pictures "$@" </dev/null >/dev/null 2>&1); }
rm -rf "$OUT/cards"
mkdir "$OUT/cards"
cards "$(winepath -w "$OUT/cards")" 漢字を読む || fail "--pictures failed ($?)"
names=$(ls "$OUT/cards" | tr '\n' ' ')
[ "$names" = "001-U+6F22.png 002-U+5B57.png 003-U+3092.png 004-U+8AAD.png 005-U+3080.png " ] || fail "cards: $names"
i=0
for f in "$OUT"/cards/*.png; do
    i=$((i + 1))
    cp "$f" "$OUT/card-$i.png"
    [ "$(identify -format '%w %h' "$f")" = "512 512" ] || fail "$f is not 512 x 512"
    [ "$(glyph_diff "card-$i" "view-$i")" -lt 250 ] || fail "card $i is not the view's glyph"
done
cards "$(winepath -w "$OUT/cards")" --format svg --size 256 字 || fail "--format svg failed ($?)"
rsvg-convert -w 512 -h 512 -b white "$OUT/cards/001-U+5B57.svg" -o "$OUT/svg.png"
ink_like svg card-2 || fail "the SVG is not like the PNG"

# A folder that takes no new file: a code for it, and nothing left there.
mkdir -p "$OUT/locked"
chattr +i "$OUT/locked"
trap 'chattr -i "$OUT/locked"; quit_viewers; end_locales; end_background' EXIT
code=0
cards "$(winepath -w "$OUT/locked")" 漢字 || code=$?
[ "$code" != 0 ] && [ -z "$(ls -A "$OUT/locked")" ] || fail "a locked folder gave code $code and $(ls -A "$OUT/locked")"
[ -z "$(beside)" ] || fail "the cards left $(beside) beside the program"
echo "ok"
