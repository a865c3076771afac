#!/bin/sh
# Starts the program of the same name from bin/, wherever the folder was
# unpacked. The libraries and plugins are found through run paths and
# bin/qt.conf; fontconfig is the one part that needs telling, so the
# bundle's faces are added to the desktop's.
here=$(dirname "$(readlink -f "$0")")
program=$(basename "$(readlink -f "$0")")
FONTCONFIG_FILE="$here/fonts/fonts.conf"
export FONTCONFIG_FILE
# Plugins of an installed Qt (another version) must not be loaded, and a
# platform the bundle lacks (wayland) falls back to X11.
unset QT_PLUGIN_PATH QT_QPA_PLATFORM_PLUGIN_PATH
platform=${QT_QPA_PLATFORM%%[:;]*}
if [ -n "$platform" ] && [ ! -e "$here/plugins/platforms/libq$platform.so" ]; then
    unset QT_QPA_PLATFORM
fi
exec "$here/bin/$program" "$@"
