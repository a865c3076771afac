#!/usr/bin/env bash
# Remakes the README's screenshots (docs/screenshots/*.png): builds both
# programs, starts each in a virtual X display and photographs its main window.
# Voltrix is caught with its animation running for a moment, so the trace
# shows; Trayecta after "Calcular" with its default problem, and once more
# with the 30°, 45° and 60° launches overlaid (trayecta-overlay.png); and
# Voltrix's "Magnitudes" window for the start-up state (voltrix-magnitudes.png)
# and its "Gráficas" window with the energy after three turns (voltrix-graficas.png);
# the pages of Trayecta's problem sheet and Voltrix's report as saved in PDF
# (trayecta-sheet.png, voltrix-report.png); and two in other languages:
# Trayecta's marker in Galician and Voltrix in Basque.
# Names given as arguments remake only those: scripts/screenshots.sh trayecta-overlay
# BUILD_DIR picks the build folder (default build/).
set -euo pipefail
source "$(dirname "$0")/setup.sh"

install_missing xvfb xauth x11-utils xdotool imagemagick poppler-utils
build_program voltrix
build_program trayecta
out_dir=$ROOT/docs/screenshots
mkdir -p "$out_dir"

# picture name, scale, program, scene of screenshot-window.sh ("-": none), language
shots=("voltrix 1 voltrix" "voltrix-2x 2 voltrix" "voltrix-magnitudes 1 voltrix magnitudes"
       "voltrix-graficas 1 voltrix graficas"
       "trayecta 1 trayecta" "trayecta-2x 2 trayecta" "trayecta-overlay 1 trayecta overlay"
       "trayecta-marker 1 trayecta marker" "trayecta-sheet 1 trayecta sheet" "voltrix-report 1 voltrix report"
       "trayecta-gl 1 trayecta marker gl" "voltrix-eu 1 voltrix - eu")
for shot in "${shots[@]}"; do
    read -r name scale program scene language <<<"$shot"
    [ "${scene:-}" = - ] && scene=
    if [ $# -gt 0 ] && [[ " $* " != *" $name "* ]]; then
        continue
    fi
    exe=$BUILD_DIR/$program/app/$program
    [ -x "$exe" ] || { echo "$exe is not built" >&2; exit 1; }
    echo "Photographing $name"
    SCALE=$scale LANG_CODE=${language:-} xvfb-run --auto-servernum --server-args="-screen 0 2560x2048x24" \
        bash "$ROOT/scripts/screenshot-window.sh" "$exe" "$out_dir/$name.png" ${scene:+"$scene"}
done
