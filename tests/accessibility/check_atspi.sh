#!/usr/bin/env bash
# What a screen reader reads, over AT-SPI rather than through Qt's own
# objects: both programs start under Xvfb on an accessibility bus, Voltrix's
# panels are opened from its menu, and every control of every shown window
# must have a name, and the view and the graphs a description.
# usage: check_atspi.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ -z "${ORVALIS_ATSPI_INNER:-}" ]; then
    exec env ORVALIS_ATSPI_INNER=1 xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" "$@"
fi

/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM
"$build/trayecta/app/trayecta" &
trayecta=$!
"$build/voltrix/app/voltrix" &
voltrix=$!
trap 'kill "$trayecta" "$voltrix" "$bus" 2>/dev/null || true' EXIT

window=$(xdotool search --sync --onlyvisible --pid "$voltrix" --name '^Carga en Campos' | head -n 1)
sleep 2
# "Paneles", then its items by their place (as scripts/screenshot-window.sh
# does): the control panel, the vector options, the scale factors, the help,
# "Magnitudes" and "Gráficas".
for y in 29 73 95 139 161 183; do
    xdotool mousemove --window "$window" 96 9 click 1
    sleep 0.5
    xdotool mousemove --window "$window" 130 "$y" click 1
    sleep 0.5
done

/usr/bin/python3 "$here/atspi_walk.py" Trayecta 1 "Gràfica de la trajectòria"
/usr/bin/python3 "$here/atspi_walk.py" Voltrix 7 "Vista 3D de la partícula" "Gráfica frente al tiempo"
