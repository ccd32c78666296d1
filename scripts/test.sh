#!/usr/bin/env bash
# Builds everything and runs every test: the host-side logic tests (native,
# under the sanitizers), then the Windows program's tests under Wine on a
# private Xvfb. The second toolchain (clang, lld, llvm-rc) builds everything
# too; its build's resource tests and one black-box test of its program run
# before the MinGW build's tests. Ends with CTest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

cmake --preset clang >/dev/null
cmake --build --preset clang

cmake --preset cross >/dev/null
cmake --build --preset cross
cmake --build --preset cross --target package >/dev/null

source scripts/xvfb-env.sh
source scripts/wine-env.sh
xvfb_start 3900x2240x24
trap 'wineserver -k 2>/dev/null || true; xvfb_stop' EXIT
ctest --preset clang
ctest --preset cross
