#!/usr/bin/env bash
# What a person reads, on a Japanese system and on an English one (code page
# 1252, its own prefix), read from outside in Unicode: the texts in the
# interface's language, the font box's faces, Japanese text on the command
# line (Wine quotes it for its blank) and typed, and the settings file of a copy in a folder
# named in Japanese.
source "$(dirname "$0")/lib.sh"
export PROBE_EXE=   # the copy below runs from another folder

# expect NAME ACTUAL TEXT: ACTUAL (UTF-16LE hex) reads TEXT.
expect() {
    [ "$2" = "$(u16 "$3")" ] ||
        fail "$LANG: the $1 reads '$(python3 -c 'import sys; print(bytes.fromhex(sys.argv[1]).decode("utf-16le"))' "$2")', not '$3'"
}

check_interface() {   # READY NEXT_PROMPT NEXT_TIP DIALOG_TITLE
    local dir="$APPDIR/日本語"
    rm -rf "$dir"
    mkdir -p "$dir"
    cp "$APPDIR/quelvan.exe" "$dir/"
    printf '[settings]\r\nflags=2\r\n' > "$dir/quelvan.ini"
    (cd "$dir" && exec wine quelvan.exe '読 む' </dev/null >/dev/null 2>&1) &
    APP_PID=$!
    until_ok windows_open || fail "$LANG: the copy in 日本語 did not start"
    sleep 0.5
    [ $((0x$(probe exstyle) & 8)) = 8 ] || fail "$LANG: the copy in 日本語 did not read its settings (not on top)"
    expect title "$(probe title-unicode)" quelvan
    pos_is '  1 /   3' && code_is 93c7 || fail "$LANG: the command line's text gave $(probe status 1)"
    expect "message pane" "$(probe status-unicode 0)" "$1"

    # The next-character button's prompt and tooltip.
    rect I item-rect 9
    xdotool mousemove $((I_X + I_W / 2)) $((I_Y + I_H / 2))
    until_ok [ "$(probe status-unicode 0)" = "$(u16 "$2")" ] || expect prompt "$(probe status-unicode 0)" "$2"
    until_ok probe tooltip-unicode >/dev/null || fail "$LANG: no tooltip"
    expect tooltip "$(probe tooltip-unicode)" "$3"
    rect F frame-rect
    xdotool mousemove $((F_X + F_W / 2)) $((F_Y + F_H / 2))

    # The font box lists what the system enumerates.
    [ "$(probe fontbox-faces)" = "$(probe faces)" ] || fail "$LANG: the font box lists $(probe fontbox-faces), the system $(probe faces)"

    # Japanese text typed into the input dialog.
    probe command 32781
    until_ok dialog_open || fail "$LANG: the input dialog did not open"
    expect "dialog's title" "$(probe dialog-unicode)" "$4"
    probe dialog-type-unicode "$(u16 '漢字を読む')"
    until_ok dialog_closed || fail "$LANG: OK did not close the dialog"
    until_ok pos_is '  1 /   5' || fail "$LANG: the typed text gave $(probe status 1)"
    code_is 8abf || fail "$LANG: the typed text's first code is $(probe status 2)"
    screen "window-$LANG" "$F_X" "$F_Y" "$F_W" "$F_H"

    # Another face, and the glyph is drawn in it.
    shot "face0-$LANG"
    rect B fontbox-rect
    xdotool mousemove $((B_X + B_W / 2)) $((B_Y + 10)) click 1 sleep 0.5 key Down sleep 0.3 key Return
    sleep 0.3
    shot "face1-$LANG"
    [ "$(differ "face0-$LANG" "face1-$LANG")" -gt 200 ] || fail "$LANG: the glyph was not drawn in the face picked"

    stop_app
    grep -q '^ffcomboindex=1' "$dir/quelvan.ini" || fail "$LANG: the copy in 日本語 did not write its settings"
}

check_interface 'ﾚﾃﾞｨ' '次の文字に移動します。' '次の文字' '文字入力'
use_locale en_US.UTF-8
check_interface 'Ready' 'Moves to the next character' 'Next Character' 'Enter Text'
echo "ok; screenshots in $OUT"
