#!/usr/bin/env bash
# Builds quelvan and the benchmarks and runs them under Wine on a private Xvfb
# large enough for a 3840x2160 view; prints their figures. Benchmarks measure
# and report, they assert nothing about time. Optional arguments: the start-up
# runs per program (default 15) and the step round trips per size (default 5).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset cross >/dev/null
cmake --build --preset cross --target quelvan bench_floor_window bench_bare_window startup_bench step_bench text_bench dpi_bench fallback_bench

# A prefix of their own. In the shared one, a server that the tests started on
# their own, smaller Xvfb would set the screen size (and clamp the large view),
# their windows would share the desktop, and the tests end that server.
export WINEPREFIX=$PWD/build/wineprefix-bench
source scripts/wine-env.sh
source scripts/xvfb-env.sh
# A 3840x2160 view needs a frame taller than 2160 (caption, menu, bars), and
# the system keeps a window within the screen's size plus its borders.
xvfb_start 3900x2400x24
wine_prefix_ready
# The server ends by itself once the last program has; wait for it before the
# X server goes.
trap 'wineserver -w; xvfb_stop' EXIT

BIN=build/cross/bench
status=0
echo
wine "$BIN/startup_bench.exe" build/cross/quelvan.exe "$BIN/bench_floor_window.exe" "$BIN/bench_bare_window.exe" "${1:-15}" </dev/null | tr -d '\r' || status=1
echo
wine "$BIN/step_bench.exe" "${2:-5}" </dev/null | tr -d '\r' || status=1
echo
wine "$BIN/text_bench.exe" </dev/null | tr -d '\r' || status=1
echo
wine "$BIN/dpi_bench.exe" </dev/null | tr -d '\r' || status=1
echo
wine "$BIN/fallback_bench.exe" </dev/null | tr -d '\r' || status=1
exit $status
