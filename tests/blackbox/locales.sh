#!/usr/bin/env bash
# quelvan on systems whose code page is not 932 (English: 1252; Chinese: 936,
# a double-byte code page whose lead bytes differ): Unicode text from the
# clipboard and from drops is held in code page 932 with the same panes, the
# glyph is drawn as a Japanese system draws it, and Copy gives Unicode back.
source "$(dirname "$0")/lib.sh"

TEXT=漢字を読む

# Starts the program with monitoring on while the clipboard holds TEXT in Unicode.
show_clipboard_text() {
    rm -f "$APPDIR/quelvan.ini"
    probe clip-set-unicode "$(u16 "$TEXT")"
    start_app
    probe command 32772   # monitoring on: the clipboard's text at once
    until_ok pos_is '  1 /   5' || fail "$LANG: the clipboard's text gave '$(probe status 1)'"
    code_is 8abf || fail "$LANG: the first character's code pane is $(probe status 2)"
    sleep 0.3
    shot "$LANG"
}

# same_glyph A B: the ink of two shots matches once both are brought to one size
# (the view's size may differ by a few pixels between systems).
same_glyph() {
    local a b
    for a in "$1" "$2"; do
        convert "$OUT/$a.png" -bordercolor white -border 1 -fuzz 20% -trim +repage -resize '64x64!' \
            -threshold 50% "$OUT/$a-ink.png"
    done
    b=$(compare -metric AE "$OUT/$1-ink.png" "$OUT/$2-ink.png" null: 2>&1 || true)
    [ "${b%% *}" -lt 200 ]
}

show_clipboard_text   # code page 932: the picture to compare with
stop_app

for lang in en_US.UTF-8 zh_CN.UTF-8; do
    use_locale "$lang"
    show_clipboard_text
    same_glyph ja_JP.UTF-8 "$lang" || fail "$lang: 漢 is not drawn as on a Japanese system (see $OUT)"
    # Copy at the second character gives the whole text back, in Unicode.
    probe command 32780
    probe command 0xE122
    sleep 0.3
    [ "$(probe clip-get-unicode)" = "$(u16 "$TEXT")" ] || fail "$lang: Copy gave $(probe clip-get-unicode)"
    pos_is '  2 /   5' || fail "$lang: Copy moved the cursor"
    # ¥ and · as a Japanese system's table gives them, not '?'.
    if [ "$lang" = en_US.UTF-8 ]; then
        probe clip-set-unicode "$(u16 '¥1·')"
        for code in 5c 31 8145; do
            until_ok code_is $code || fail "$lang: ¥1· gave $(probe status 2) where 0x$code belongs"
            probe command 32780
        done
    fi
    # A Unicode drop is taken the same way.
    dropped unicode "$(u16 "$TEXT")"
    pos_is '  1 /   5' && code_is 8abf || fail "$lang: a Unicode drop gave $(probe status 1) $(probe status 2)"
    # Text dropped in the system's own code page (GBK here) goes through Unicode.
    if [ "$lang" = zh_CN.UTF-8 ]; then
        probe command 32780
        dropped text "$(printf '%s' "$TEXT" | iconv -f utf-8 -t gbk | od -An -tx1 | tr -d ' \n')"
        pos_is '  1 /   5' && code_is 8abf || fail "$lang: a GBK drop gave $(probe status 1) $(probe status 2)"
    fi
    stop_app
done
echo "ok; screenshots in $OUT"
