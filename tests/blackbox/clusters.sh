#!/usr/bin/env bash
# Characters as a reader sees them, from Unicode sources: decomposed text
# composed, a base with its selector or an emoji sequence one step, drawn as
# one; Shift-JIS text stepped as before.
source "$(dirname "$0")/lib.sh"
PASTE=0xE125 NEXT=32780 COPY=0xE122
# paste TEXT: puts TEXT on the clipboard in Unicode and pastes it.
paste() { probe clip-set-unicode "$(u16 "$1")"; probe command $PASTE; sleep 0.5; }
panes() { echo "$(probe status 1) $(probe status 2) $(probe status 3)"; }

start_app
# ガ written decomposed is ガ, drawn as the precomposed one is; Copy gives it composed.
paste ガ
shot ga
paste $'\u30AB\u3099'
pos_is '  1 /   1' && code_is 834b && unicode_is 30AC || fail "decomposed ガ: $(panes)"
shot ga-decomposed
[ "$(differ ga ga-decomposed)" -lt 50 ] || fail "decomposed ガ is not drawn as ガ (see $OUT)"
probe command $COPY
copied() { [ "$(probe clip-get-unicode)" = "$(u16 ガ)" ]; }
until_ok copied || fail "Copy of decomposed ガ: $(probe clip-get-unicode)"

# 葛󠄀 is one step with 葛's code and both code points; its ink is 葛's, no box beside it.
paste 葛
shot kuzu
paste $'\u845B\U000E0100'
pos_is '  1 /   1' && code_is 8a8b && unicode_is '845B U+E0100' || fail "葛󠄀: $(panes)"
[ "$(probe acc-name)" = "$(u16 $'\u845B\U000E0100')" ] || fail "葛󠄀's accessible name: $(probe acc-name)"
shot kuzu-selector
[ "$(ink kuzu)" = "$(ink kuzu-selector)" ] || fail "葛󠄀's ink $(ink kuzu-selector), 葛's $(ink kuzu) (see $OUT)"

# 👨‍👩‍👧野 is two steps; the pane lists what fits of the sequence.
paste $'\U0001F468\u200D\U0001F469\u200D\U0001F467\u91CE'
pos_is '  1 /   2' && [ "$(probe status 2)" = "$(sjis 'SJIS : ----')" ] || fail "👨‍👩‍👧野: $(panes)"
[ "$(probe status 3)" = "$(sjis 'U+1F468 U+200D …')" ] || fail "👨‍👩‍👧's Unicode pane: $(panes)"
probe command $NEXT
until_ok code_is 96ec || fail "the step after 👨‍👩‍👧: $(panes)"

# ｶﾞ stays two steps; 塚 U+FA10 keeps its own code.
paste ｶﾞ
pos_is '  1 /   2' || fail "ｶﾞ: $(panes)"
paste $'\uFA10'
code_is fa9c || fail "塚 U+FA10: $(panes)"
stop_app
echo "ok; screenshots in $OUT"
