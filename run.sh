#!/usr/bin/env bash
# Builds and starts Voltrix; "./run.sh trayecta" starts Trayecta instead.
# Arguments after the program's name go to it (./run.sh voltrix --scale 2).
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"

program="${1:-voltrix}"
case "$program" in
    voltrix|trayecta) ;;
    *) echo "usage: ./run.sh [voltrix|trayecta] [program options]" >&2; exit 2 ;;
esac
shift || true

install_missing
build_program "$program"
exec "$BUILD_DIR/$program/app/$program" "$@"
