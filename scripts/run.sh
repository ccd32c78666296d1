#!/usr/bin/env bash
# Builds quelvan and starts it under Wine on $DISPLAY. With no display, starts
# a private Xvfb, gives the program a sample text, saves a screenshot of its
# window and prints the screenshot's path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset cross >/dev/null
cmake --build --preset cross --target quelvan probe
EXE=build/cross/quelvan.exe
PROBE=build/cross/tests/blackbox/probe.exe
source scripts/wine-env.sh

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    export WINEPREFIX=$QUELVAN_ROOT/build/wineprefix-desktop
    wine_prefix_ready managed
    exec wine "$EXE"
fi

source scripts/xvfb-env.sh
xvfb_start 1280x1024x24
wine_prefix_ready
probe() { wine "$PROBE" "$@" </dev/null 2>/dev/null | tr -d '\r'; }

wine "$EXE" </dev/null >/dev/null 2>&1 &
for _ in $(seq 100); do [ "$(probe count)" -ge 1 ] && break; sleep 0.1; done

# The sample text goes through the clipboard into the input dialog, as a user would.
probe clip-set "$(printf '大きな文字' | iconv -f utf-8 -t cp932 | od -An -tx1 | tr -d ' \n')"
read -r VX VY VW VH < <(probe view-rect)
xdotool mousemove $((VX + VW / 2)) $((VY + VH / 2)) click --repeat 2 --delay 60 1
for _ in $(seq 100); do [ "$(probe dialog)" != none ] && break; sleep 0.1; done
xdotool key ctrl+v Return
sleep 0.5

read -r FX FY FW FH < <(probe frame-rect)
SHOT=$QUELVAN_ROOT/build/quelvan-screenshot.png
import -window root -crop "${FW}x${FH}+${FX}+${FY}" +repage "$SHOT"
probe close
echo "quelvan ran headless; screenshot: $SHOT"
