#!/usr/bin/env bash
# quelvan on systems whose code page is not 932 (English: 1252; Chinese: 936,
# a double-byte code page whose lead bytes differ): Unicode text from the
# clipboard and from drops is held in code page 932 with the same panes (and
# characters Shift-JIS lacks beside it), the glyph is drawn as a Japanese
# system draws it, and Copy gives Unicode back.
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

show_clipboard_text   # code page 932: the picture to compare with
stop_app

for lang in en_US.UTF-8 zh_CN.UTF-8; do
    use_locale "$lang"
    show_clipboard_text
    [ "$(glyph_diff ja_JP.UTF-8 "$lang")" -lt 200 ] || fail "$lang: 漢 is not drawn as on a Japanese system (see $OUT)"
    # Copy at the second character gives the whole text back, in Unicode.
    probe command 32780
    probe command 0xE122
    sleep 0.3
    [ "$(probe clip-get-unicode)" = "$(u16 "$TEXT")" ] || fail "$lang: Copy gave $(probe clip-get-unicode)"
    pos_is '  2 /   5' || fail "$lang: Copy moved the cursor"
    # ¥ and · as a Japanese system's table gives them, not '?'; 𠮷 and é,
    # which Shift-JIS lacks, as themselves from a Unicode drop, and back by Copy.
    if [ "$lang" = en_US.UTF-8 ]; then
        probe clip-set-unicode "$(u16 '¥1·')"
        for code in 5c 31 8145; do
            until_ok code_is $code || fail "$lang: ¥1· gave $(probe status 2) where 0x$code belongs"
            probe command 32780
        done
        dropped unicode "$(u16 𠮷é)"
        [ "$(probe status 2)" = "$(sjis 'SJIS : ----')" ] && unicode_is 20BB7 ||
            fail "$lang: a drop of 𠮷 gave $(probe status 2) $(probe status 3)"
        [ "$(probe acc-name)" = "$(u16 𠮷)" ] || fail "$lang: 𠮷's accessible name is $(probe acc-name)"
        probe command 32780
        until_ok unicode_is 00E9 || fail "$lang: é gave $(probe status 3)"
        probe command 0xE122
        sleep 0.3
        [ "$(probe clip-get-unicode)" = "$(u16 𠮷é)" ] || fail "$lang: Copy of 𠮷é gave $(probe clip-get-unicode)"
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
