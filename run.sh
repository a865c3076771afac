#!/usr/bin/env bash
# Builds and starts Voltrix; "./run.sh trayecta" starts Trayecta instead.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"

program="${1:-voltrix}"
case "$program" in
    voltrix|trayecta) ;;
    *) echo "usage: ./run.sh [voltrix|trayecta]" >&2; exit 2 ;;
esac

install_missing
configure_and_build -DORVALIS_BENCHMARKS=OFF
exe="$BUILD_DIR/$program/app/$program"
if [ ! -x "$exe" ]; then
    for other in voltrix trayecta; do
        if [ -x "$BUILD_DIR/$other/app/$other" ]; then
            echo "$program is not built yet; starting $other instead."
            exec "$BUILD_DIR/$other/app/$other"
        fi
    done
    echo "No program is built yet." >&2
    exit 1
fi
exec "$exe"
