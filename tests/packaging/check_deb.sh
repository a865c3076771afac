#!/usr/bin/env bash
# Installs the Debian package on this machine, checks that both programs start
# from the installed paths and that their menu entries and icons are in place,
# then removes it and checks that nothing of it is left. Needs root (or sudo).
# usage: check_deb.sh PACKAGE.deb
set -euo pipefail
deb=$(realpath "$1")
package=$(dpkg-deb --field "$deb" Package)
version=$(dpkg-deb --field "$deb" Version)
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

depends=$(dpkg-deb --field "$deb" Depends)
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 fonts-liberation; do
    # Each entry of the list is a name, perhaps with a version after a blank.
    tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//' | grep -qx -- "$lib" \
        || fail "Depends does not name $lib: $depends"
done

as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
installed=$(dpkg-query --listfiles "$package")
for program in voltrix trayecta; do
    out=$(QT_QPA_PLATFORM=offscreen timeout 30 "/usr/bin/$program" --version 2>/dev/null) || true
    [ "${out,,}" = "$program $version" ] || fail "/usr/bin/$program --version printed '$out'"
    status=0
    QT_QPA_PLATFORM=offscreen timeout 3 "/usr/bin/$program" >/dev/null 2>&1 || status=$?
    [ "$status" -eq 124 ] || fail "/usr/bin/$program did not keep running (status $status)"
done
for pattern in 'applications/.*Voltrix\.desktop' 'applications/.*Trayecta\.desktop' \
               'icons/hicolor/48x48/apps/.*Voltrix\.png' 'icons/hicolor/scalable/apps/.*Trayecta\.svg' \
               'metainfo/.*Voltrix\.metainfo\.xml' 'metainfo/.*Trayecta\.metainfo\.xml' \
               'doc/voltrix-trayecta/guia-docente\.md' 'doc/voltrix-trayecta/guia-docent\.md'; do
    grep -q "^/usr/share/$pattern$" <<<"$installed" || fail "the package installs no /usr/share/$pattern"
done

as_root dpkg --purge "$package" >/dev/null
status=$(dpkg-query --show --showformat='${Status}' "$package" 2>/dev/null || true)
[ -z "$status" ] || [[ $status == *" not-installed" ]] || fail "after --purge $package is '$status'"
while read -r path; do
    [ -f "$path" ] && fail "left behind after removal: $path"
done <<<"$installed"

if [ "$failures" -ne 0 ]; then
    echo "$failures package check(s) failed"
    exit 1
fi
echo "$package $version installs, starts and removes cleanly"
