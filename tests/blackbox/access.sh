#!/usr/bin/env bash
# A screen reader's view of the character: the view's accessible name, read
# from another process as a screen reader reads it, is the character shown,
# and every step raises a name change that a WinEvent hook in another
# process sees, with the new name.
source "$(dirname "$0")/lib.sh"

start_app
[ "$(probe acc-name)" = none ] || fail "an empty view has the name $(probe acc-name)"
probe command 32781
until_ok dialog_open || fail "the input dialog did not open"
probe dialog-type-unicode "$(u16 '漢字を読む')"
until_ok dialog_closed || fail "OK did not close the dialog"
until_ok pos_is '  1 /   5' || fail "the text was not taken"
[ "$(probe acc-name)" = "$(u16 '漢')" ] || fail "the view's name is $(probe acc-name), not 漢"

# Unfiltered, so that "ready" is in the file as soon as it is written.
wine "$PROBE" acc-events 2 </dev/null >"$OUT/events.log" 2>/dev/null &
until_ok grep -q ready "$OUT/events.log" || fail "no WinEvent hook"
xdotool key space
until_ok pos_is '  2 /   5' || fail "SPACE did not step"
[ "$(probe acc-name)" = "$(u16 '字')" ] || fail "after SPACE the view's name is $(probe acc-name), not 字"
xdotool key shift+space
wait $! || fail "the hook saw $(grep -vc ready "$OUT/events.log") name changes of 2"
[ "$(log events | tr '\n' ' ')" = "ready $(u16 '字') $(u16 '漢') " ] || fail "the hook saw: $(log events)"
stop_app
echo "ok"
