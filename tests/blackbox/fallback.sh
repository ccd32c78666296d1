#!/usr/bin/env bash
# A character the chosen face (IPA明朝) lacks is drawn in an installed face that
# has it (one its link list names first), and the status bar names that face; with View ▸ Other Faces off (kept
# for the next start) the chosen face's missing-glyph box is drawn.
source "$(dirname "$0")/lib.sh"

# face_note: the face pane's text, in UTF-8.
face_note() { probe status-unicode 4 | xxd -r -p | iconv -f utf-16le -t utf-8; }
# show TEXT NAME: pastes TEXT (Unicode) and takes a shot of its first character.
show() {
    probe clip-set-unicode "$(u16 "$1")"
    probe command 0xE125
    sleep 0.5
    shot "$2"
}
# like_face NAME FACE CHAR: the shot's ink is CHAR as the font file of FACE draws it.
like_face() {
    convert -background white -fill black -font "$(fc-match -f '%{file}' "$2")" -pointsize 300 \
        "label:$3" "$OUT/$1-ref.png"
    local d
    d=$(glyph_diff "$1" "$1-ref")
    echo "$1: $d of 4096 pixels unlike $3 in $2"
    [ "$d" -lt 600 ]
}

rm -f "$APPDIR/quelvan.ini"
start_app
show 𠮷 none   # no installed face has it: the box, and the pane says so
[ "$(face_note)" = 'この文字のフォントなし' ] || fail "𠮷 gave the face pane '$(face_note)'"

show 한漢 hangul
face=$(face_note)
face=${face% で表示}
[[ "$face" = Nanum* ]] || fail "한 gave the face pane '$(face_note)'"
like_face hangul "$face" 한 || fail "한 is not drawn as $face draws it (see $OUT)"
[ "$(glyph_diff hangul none)" -gt 1000 ] || fail "한 is drawn as the missing-glyph box"
xdotool key space
until_ok unicode_is 6F22 || fail "SPACE did not step to 漢"
until_ok test -z "$(face_note)" || fail "漢, which the face has, gave the face pane '$(face_note)'"

show 🦀 crab
[ "$(face_note)" = 'Symbola で表示' ] || fail "🦀 gave the face pane '$(face_note)'"
like_face crab Symbola 🦀 || fail "🦀 is not drawn as Symbola draws it (see $OUT)"

# Off: the chosen face alone, and so at the next start.
probe command 32785
show 한 hangul-off
[ "$(glyph_diff hangul-off none)" -lt 300 ] || fail "with fallback off 한 is not the missing-glyph box"
[ -z "$(face_note)" ] || fail "with fallback off the face pane says '$(face_note)'"
stop_app
start_app
show 한 hangul-again
[ "$(glyph_diff hangul-again none)" -lt 300 ] || fail "fallback was on again after a restart"
stop_app

# The chosen face's link list comes first, found under its English name
# (IPAMincho), a face in it that is not installed passed over.
use_locale ja_JP.UTF-8 fallback
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v IPAMincho \
    /t REG_MULTI_SZ /d 'MISSING.TTF,Missing Face\0NanumMyeongjo.ttf,NanumMyeongjo' /f >/dev/null 2>&1
rm -f "$APPDIR/quelvan.ini"
start_app
show 한 linked
[ "$(face_note)" = 'NanumMyeongjo で表示' ] || fail "the link list gave '$(face_note)' for 한"
stop_app

# An English system: the same face for 한, named in English.
use_locale en_US.UTF-8
rm -f "$APPDIR/quelvan.ini"
start_app
show 한 hangul-en
[ "$(face_note)" = "Shown in $face" ] || fail "en_US: 한 gave the face pane '$(face_note)'"
like_face hangul-en "$face" 한 || fail "en_US: 한 is not drawn as $face draws it (see $OUT)"
stop_app
end_locales
echo "ok"
