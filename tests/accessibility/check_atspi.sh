#!/usr/bin/env bash
# What a screen reader reads, over AT-SPI rather than through Qt's own
# objects: both programs start under Xvfb on an accessibility bus, Voltrix's
# panels are opened from its menu, and every control of every shown window
# must have a name, and the view and the graphs a description; once in the
# design's languages and once in English, a translation.
# usage: check_atspi.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ -z "${ORVALIS_ATSPI_INNER:-}" ]; then
    exec env ORVALIS_ATSPI_INNER=1 xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" "$@"
fi

/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
trap 'kill "$bus" 2>/dev/null || true' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM

# walk TRAYECTA_LANGUAGE VOLTRIX_LANGUAGE VOLTRIX_TITLE GRAPH VIEW GRAPHS: one
# run of both programs, with the names the described areas have in it.
walk() {
    "$build/trayecta/app/trayecta" --lang "$1" &
    local trayecta=$!
    "$build/voltrix/app/voltrix" --lang "$2" &
    local voltrix=$!
    local window status=0
    window=$(xdotool search --sync --onlyvisible --pid "$voltrix" --name "^$3" | head -n 1)
    sleep 2
    # Six of the panels from "Paneles", by keyboard: its place on the bar
    # changes with the language.
    for item in 0 2 3 5 6 7; do
        xdotool mousemove --window "$window" 20 9 click 1
        sleep 0.4
        xdotool key Right
        sleep 0.3
        for _ in $(seq "$item"); do xdotool key Down; done
        xdotool key Return
        sleep 0.5
    done
    /usr/bin/python3 "$here/atspi_walk.py" Trayecta 1 "$4" || status=1
    /usr/bin/python3 "$here/atspi_walk.py" Voltrix 7 "$5" "$6" || status=1
    kill "$trayecta" "$voltrix"
    wait "$trayecta" "$voltrix" 2>/dev/null || true
    return $status
}

status=0
walk ca es "Carga en Campos" "Gràfica de la trajectòria" "Vista 3D de la partícula" "Gráfica frente al tiempo" || status=1
walk en en "Charge in Electric" "Graph of the trajectory" "3D view of the particle" "Graph against time" || status=1
exit $status
