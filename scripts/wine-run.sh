#!/usr/bin/env bash
# Runs a Windows program under Wine for CTest: `wine-run.sh prog.exe args...`.
set -e
source "$(dirname "$0")/wine-env.sh"
: "${DISPLAY:?wine-run.sh needs an X display (scripts/test.sh starts one)}"
mkdir -p "$(dirname "$WINEPREFIX")"
# -o: the lock's descriptor is not inherited by the server and services.
flock -o "$WINEPREFIX.lock" bash -c "source '$(dirname "$0")/wine-env.sh'; wine_services_up"
exec wine "$@"
