#!/usr/bin/env bash
# Monitoring across a restart: with "flags" 1 the text on the clipboard is in
# the first window shown, and closing leaves the chain and keeps the bit.
source "$(dirname "$0")/lib.sh"
INI="$APPDIR/quelvan.ini"

probe clip-set "$(sjis '大小')"
printf '[settings]\r\nflags=1\r\n' > "$INI"
start_app
pos_is '  1 /   2' || fail "the clipboard's text was not in the first window shown"
shot first
[ "$(ink first | cut -d' ' -f1)" -gt 100 ] || fail "the first window shows no glyph"

# A viewer joins in front of quelvan; quelvan's leaving on close reaches it.
start_viewer V
stop_app
until_ok logged V 'change [0-9a-f]* [0-9a-f]*' || fail "closing did not leave the chain"
[ $(($(sed -n 's/^flags=//p' "$INI" | tr -d '\r') & 1)) = 1 ] || fail "closing did not keep monitoring on"
echo "ok; screenshots in $OUT"
