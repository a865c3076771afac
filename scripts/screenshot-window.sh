#!/usr/bin/env bash
# Inside a (virtual) X display: starts PROGRAM, waits for its main window,
# drives it a little so the picture shows something, and saves the window as
# a PNG. Called by screenshots.sh under xvfb-run. SCENE "overlay" (Trayecta)
# overlays the 30°, 45° and 60° launches through the graph's menu; SCENE
# "magnitudes" (Voltrix) opens "Magnitudes" and photographs that window;
# "graficas" runs three turns of the start-up state and photographs the
# energy in "Gráficas"; "marker" (Trayecta) pins the marker at the top of the
# start-up curve; "sheet" (Trayecta) and "report" (Voltrix) save the problem
# sheet and the experiment's report as PDF through the menus and picture their
# page instead of a window. SCALE
# (default 1) starts the program with --scale SCALE, LANG_CODE (if set) with
# --lang LANG_CODE; the clicks below are in
# the design's pixels and are scaled with it.
# usage: screenshot-window.sh PROGRAM OUTPUT.png [SCENE]
set -euo pipefail
exe=$1
output=$2
scene=${3:-}
scale=${SCALE:-1}
program=$(basename "$exe")
export LC_ALL=C.UTF-8
# The design's language unless LANG_CODE says otherwise, whatever the user chose in a menu.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME

# at X Y: the window pixel of a design pixel.
at() { echo "$(($1 * scale)) $(($2 * scale))"; }

# Trayecta's "Calcular", clicked: its access key changes with the language.
calculate() { xdotool windowfocus --sync "$window" mousemove --window "$window" $(at 256 120) click 1; }
# The id of the largest mapped top-level window of the running program.
main_window() {
    local id
    xwininfo -root -children | awk '$1 ~ /^0x/ {print $1}' | while read -r id; do
        local info
        info=$(xwininfo -id "$id" 2>/dev/null) || continue
        grep -q 'Map State: IsViewable' <<<"$info" || continue
        xprop -id "$id" _NET_WM_PID 2>/dev/null | grep -q "= $pid\$" || continue
        local w h
        w=$(awk '/Width:/ {print $2}' <<<"$info")
        h=$(awk '/Height:/ {print $2}' <<<"$info")
        echo "$((w * h)) $id"
    done | sort -n | tail -n 1 | cut -d' ' -f2
}

"$exe" --scale "$scale" ${LANG_CODE:+--lang "$LANG_CODE"} &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=
for _ in $(seq 100); do
    window=$(main_window)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "$program showed no window" >&2; exit 1; }
sleep 1

case "$program${scene:+-$scene}" in
    voltrix)
        # "Animación" (left of the strip's lower row) starts the particle; let
        # it draw some of its path.
        xdotool mousemove --window "$window" $(at 38 359) click 1
        sleep 4
        xdotool mousemove --window "$window" $(at 38 359) click 1
        ;;
    voltrix-magnitudes)
        # "Paneles" in the menu bar, then its last item, "Magnitudes".
        xdotool windowfocus --sync "$window"
        xdotool mousemove --window "$window" $(at 96 9) click 1
        sleep 0.5
        xdotool mousemove --window "$window" $(at 130 161) click 1
        sleep 1
        shown=$(xdotool search --all --onlyvisible --pid "$pid" --name '^Magnitudes$' | head -n 1)
        [ -n "$shown" ] || { echo "the Magnitudes window did not open" >&2; exit 1; }
        window=$shown
        ;;
    voltrix-graficas)
        # "Paneles", then "Gráficas" below "Magnitudes"; the animation runs
        # for three turns (a turn is π s of simulated time, 0.64 s a second at
        # "Normal"), then "Energía" is chosen and the
        # pointer reads the curves near the end of the run.
        xdotool windowfocus --sync "$window"
        xdotool mousemove --window "$window" $(at 96 9) click 1
        sleep 0.5
        xdotool mousemove --window "$window" $(at 130 183) click 1
        sleep 1
        graphs=$(xdotool search --all --onlyvisible --pid "$pid" --name '^Gráficas$' | head -n 1)
        [ -n "$graphs" ] || { echo "the Gráficas window did not open" >&2; exit 1; }
        xdotool mousemove --window "$window" $(at 38 359) click 1
        sleep 15
        xdotool mousemove --window "$window" $(at 38 359) click 1
        xdotool windowfocus --sync "$graphs"
        xdotool mousemove --window "$graphs" $(at 200 17) click 1
        sleep 0.5
        xdotool key End Return
        sleep 0.5
        xdotool mousemove --window "$graphs" $(at 400 150)
        window=$graphs
        ;;
    trayecta)
        # "Calcular": solve the default problem and plot it.
        calculate
        ;;
    trayecta-marker)
        # Solve the default problem, then click the top of the curve: the
        # marker pins there, with its arrows and the panel of values.
        calculate
        sleep 0.5
        xdotool mousemove --window "$window" $(at 606 48) click 1
        ;;
    trayecta-overlay)
        # A right click on the graph opens its menu; the first item is
        # "Superposa les trajectòries".
        xdotool windowfocus --sync "$window"
        xdotool mousemove --window "$window" $(at 620 120) click 3
        sleep 0.5
        xdotool key Down Return
        sleep 0.3
        for angle in 30 45 60; do
            # The angle's box, every character selected, then "Calcular".
            xdotool mousemove --window "$window" $(at 168 89) click 1 key ctrl+a
            xdotool type "$angle"
            calculate
            sleep 0.3
        done
        # The pointer onto the bare window, which clears the readout.
        xdotool mousemove --window "$window" $(at 5 5)
        ;;
    trayecta-sheet)
        # "Desa com a PDF…" is the third item from the end of the graph's
        # menu, above "Full de l'alumne…" and "Llengua".
        calculate
        sleep 0.5
        xdotool mousemove --window "$window" $(at 620 120) click 3
        sleep 0.5
        xdotool key Up Up Up Return
        ;;
    voltrix-report)
        # A few seconds of the start-up run, then "Guardar informe (PDF)…",
        # the last item but one of "Ficheros".
        xdotool mousemove --window "$window" $(at 38 359) click 1
        sleep 3
        xdotool mousemove --window "$window" $(at 38 359) click 1
        xdotool windowfocus --sync "$window"
        xdotool mousemove --window "$window" $(at 20 9) click 1
        sleep 0.5
        xdotool key Up Up Return
        ;;
esac
if [ "$scene" = sheet ] || [ "$scene" = report ]; then
    # The save dialog: the whole name typed over the suggested one.
    pdf=$(mktemp -d)/page.pdf
    sleep 1.5
    xdotool key ctrl+a
    xdotool type "$pdf"
    xdotool key Return
    for _ in $(seq 50); do [ -s "$pdf" ] && break; sleep 0.1; done
    [ -s "$pdf" ] || { echo "$program saved no PDF" >&2; exit 1; }
    pdftoppm -r 60 -png -singlefile "$pdf" "${output%.png}"
    echo "saved $output from the PDF ($(identify -format '%wx%h' "$output"))"
    exit 0
fi
sleep 1
import -window "$window" "$output"
echo "saved $output ($(identify -format '%wx%h' "$output"))"
