#!/usr/bin/env bash
# Renders the PNG icons from the two SVGs. The PNGs are committed, so only a
# changed drawing needs this (it uses rsvg-convert from librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
SIZES=(16 24 32 48 64 128 256)
for program in voltrix trayecta; do
    for size in "${SIZES[@]}"; do
        mkdir -p "$size"
        rsvg-convert --width "$size" --height "$size" --format png \
            --output "$size/$program.png" "$program.svg"
    done
done
