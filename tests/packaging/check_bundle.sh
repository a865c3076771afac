#!/usr/bin/env bash
# Unpacks the portable bundle into a read-only folder whose path has spaces
# and accents, checks the user's menu install and uninstall, then starts each
# program from it as an ordinary user on a system without Qt: a Debian 12
# minbase root with only the baseline packages (cached), or, when the package
# source cannot be reached, this system with its copies of the bundled
# libraries hidden. Each window is grabbed and compared with the build's own,
# and the time to the window is measured for both. Runs as root.
# usage: check_bundle.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
tarball=$(ls "$build"/voltrix-trayecta-*-linux-*.tar.gz)
name=$(basename "$tarball" .tar.gz)
version=$(sed 's/^voltrix-trayecta-//; s/-linux-.*//' <<<"$name")
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d /tmp/bundle-check.XXXXXX)
chmod 755 "$work"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

folder="$work/Carpeta d'Àlex con espacios — Física"
mkdir -p "$folder"
tar -C "$folder" -xzf "$tarball"
bundle="$folder/$name"
chmod -R a-w "$bundle"
echo "bundle: $(du -h "$tarball" | cut -f1) packed, $(du -sh --apparent-size "$bundle" | cut -f1) unpacked"
# What the window pictures below do not show.
for file in LEEME.txt LLEGIU.txt translations/qtbase_es.qm translations/qtbase_ca.qm translations/qt_gl.qm $(readelf -d "$bundle"/bin/* 2>/dev/null \
            | grep -q libQt6PrintSupport && echo plugins/printsupport/libcupsprintersupport.so); do
    [ -e "$bundle/$file" ] || fail "the bundle has no $file"
done

# The menu entries for one user: exactly what was added goes again.
user_home="$work/casa de l'usuari"
mkdir -p "$user_home/.local/share/applications"
touch "$user_home/.local/share/applications/otra.desktop"
before=$(find "$user_home" | sort)
for _ in 1 2; do HOME=$user_home "$bundle/instalar-usuario.sh" >/dev/null; done
for id in es.orvalis.Voltrix es.orvalis.Trayecta; do
    entry="$user_home/.local/share/applications/$id.desktop"
    desktop-file-validate --no-hints "$entry" || fail "$entry does not validate"
    [ -f "$user_home/.local/share/icons/hicolor/48x48/apps/$id.png" ] || fail "no 48x48 icon for $id"
    # Exec's value read back as a launcher would: string escapes, then quoting.
    command=$(sed -n 's/^Exec=//p' "$entry" | sed 's/\\\\/\\/g; s/^"//; s/"$//; s/\\\(.\)/\1/g; s/%%/%/g')
    out=$(QT_QPA_PLATFORM=offscreen "$command" --version 2>/dev/null) || true
    [ "$out" = "${id#es.orvalis.} $version" ] || fail "the menu's command '$command' printed '$out'"
done
HOME=$user_home "$bundle/desinstalar-usuario.sh" >/dev/null
[ "$(find "$user_home" | sort)" = "$before" ] || fail "the uninstall left $(diff <(echo "$before") <(find "$user_home" | sort))"
data="$work/datos xdg"
XDG_DATA_HOME=$data "$bundle/instalar-usuario.sh" >/dev/null
[ -f "$data/applications/es.orvalis.Voltrix.desktop" ] || fail "XDG_DATA_HOME was not honoured"
XDG_DATA_HOME=$data "$bundle/desinstalar-usuario.sh" >/dev/null
[ ! -e "$data" ] || fail "the uninstall left $(find "$data")"

# The system the bundle starts on.
mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null \
    | awk '/^deb / && / bookworm / { for (i = 2; i <= NF; i++) if ($i ~ /:\/\//) { print $i; exit } }
           /^URIs:/ { uri = $2 } /^Suites:/ && / bookworm( |$)/ && uri != "" { print uri; exit }') || true
baseline=$(sed 's/#.*//' "$source_dir/packaging/bundle/baseline-packages" | xargs | tr ' ' ,)
cache=${BUNDLE_ROOT_CACHE:-/var/cache/voltrix-trayecta-bundle}/bookworm-$(md5sum <<<"$baseline" | cut -c1-8)
mode=namespace
if [ "${BUNDLE_CHECK_MODE:-}" = namespace ]; then
    :
elif [ -f "$cache/.complete" ]; then
    mode=debootstrap
elif [ -n "$mirror" ] && command -v debootstrap >/dev/null; then
    start=$SECONDS
    rm -rf "$cache" && mkdir -p "$cache"
    if debootstrap --variant=minbase --include="$baseline" bookworm "$cache" "$mirror" >"$work/debootstrap.log" 2>&1; then
        touch "$cache/.complete" && mode=debootstrap
        echo "made the Debian 12 minbase root from $mirror in $((SECONDS - start)) s (cached in $cache)"
    else
        tail -n 5 "$work/debootstrap.log"
    fi
fi
if [ "$mode" = debootstrap ]; then
    # Mesa's LLVM brings libxml2 and ICU into the baseline: out they go, so
    # that only the bundle's copies can be found.
    owners=$(for lib in "$bundle"/lib/*; do chroot "$cache" dpkg-query -S "*/${lib##*/}" 2>/dev/null || true; done \
        | cut -d: -f1 | sort -u | xargs)
    if [ -n "$owners" ]; then
        echo "taken out of the test root, the bundle carries their libraries: $owners"
        chroot "$cache" dpkg --purge --force-depends $owners >/dev/null 2>&1
    fi
    ! chroot "$cache" sh -c 'ls /usr/lib/*/libQt6* /usr/lib/*/libicu*' 2>/dev/null || fail "the test root has Qt or ICU"
fi
echo "starting the bundle: $([ $mode = debootstrap ] && echo "in the Debian 12 minbase root $cache (baseline only)" \
    || echo "on this system, its Qt, ICU and other bundled libraries hidden in a mount namespace")"

for n in $(seq 150 250); do [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break; done
display=:$n
# -noreset: the display stays up between one program's exit and the next start.
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
mkdir -m 1777 "$work/home" "$work/home-root" "$work/root-tmp"

# start KIND PROGRAM: the build's program as it is, or the bundle's as user
# nobody in the test system; sets pid.
start() {
    if [ "$1" = installed ]; then
        env -u QT_QPA_PLATFORM HOME="$work/home-root" LANG=C.UTF-8 "$build/$2/app/$2" &
    elif [ "$mode" = debootstrap ]; then
        unshare -m bash -c 'r=$1 b="$1/opt/${2##*/}"; mount --rbind /proc "$r/proc"; mount --rbind /dev "$r/dev"
            mount --bind "$4" "$r/tmp"; mkdir -p "$r/tmp/.X11-unix" "$b"
            mount --bind /tmp/.X11-unix "$r/tmp/.X11-unix"; mount --bind -o ro "$2" "$b"
            date +%s%N >"$5"; exec chroot --userspec=65534:65534 "$r" env -i HOME=/tmp DISPLAY=$DISPLAY LANG=C.UTF-8 "${b#"$r"}/$3"' \
            _ "$cache" "$folder" "$name/$2" "$work/root-tmp" "$work/t0" &
    else
        unshare -m bash -c 'for lib in "$1"/lib/*; do
                [ ! -e "/usr/lib/x86_64-linux-gnu/${lib##*/}" ] || mount --bind /dev/null "/usr/lib/x86_64-linux-gnu/${lib##*/}"
            done
            mount -t tmpfs none /usr/lib/x86_64-linux-gnu/qt6; mount --bind -o ro "$1" "$1"
            date +%s%N >"$4"; exec setpriv --reuid=65534 --regid=65534 --clear-groups env -i HOME="$2" DISPLAY=$DISPLAY LANG=C.UTF-8 "$1/$3"' \
            _ "$bundle" "$work/home" "$2" "$work/t0" &
    fi 2>>"$work/programs.log"
    pid=$!
}

# window_after KIND PROGRAM: starts it and waits for its window; sets
# window and ms, the milliseconds from the program's start (after the test
# system's mounts) to its window.
window_after() {
    local t0
    rm -f "$work/t0"
    t0=$(date +%s%N)
    start "$1" "$2"
    window=
    for _ in $(seq 1500); do
        window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.01
    done
    [ ! -s "$work/t0" ] || t0=$(cat "$work/t0")
    ms=$((($(date +%s%N) - t0) / 1000000))
}

for program in voltrix trayecta; do
    for kind in installed bundle; do
        times=()
        for run in 1 2 3 4 5; do
            window_after $kind $program
            times+=("$ms")
            if [ -z "$window" ]; then
                fail "$program ($kind) showed no window"
                kill "$pid" 2>/dev/null || true
                break
            fi
            if [ $run = 5 ]; then
                sleep 2
                import -window "$window" "$work/$program-$kind.png"
                # Every Qt and ICU library the bundle's program maps is the bundle's.
                if [ $kind = bundle ]; then
                    grep -q "$name/lib/libQt6Core\.so" /proc/$pid/maps || fail "$program mapped no bundled Qt"
                    ! grep -E '/lib(Qt6|icu)[^/]*\.so' /proc/$pid/maps | grep -v "$name/lib/" \
                        || fail "$program (bundle) loaded the system's libraries above"
                fi
            fi
            kill "$pid"; wait "$pid" 2>/dev/null || true
        done
        echo "$program $kind: time to window $(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p) ms (median of 5: ${times[*]})"
    done
    [ -f "$work/$program-bundle.png" ] && [ -f "$work/$program-installed.png" ] || continue
    diff=$(compare -metric AE "$work/$program-installed.png" "$work/$program-bundle.png" null: 2>&1) || true
    echo "$program: bundle's window against the build's, $(identify -format '%wx%h' "$work/$program-bundle.png"): $diff pixels differ"
    [ "$diff" = 0 ] || fail "$program's window differs from the build's by $diff pixels"
    [ -z "${BUNDLE_SHOTS:-}" ] || cp "$work/$program"-*.png "$BUNDLE_SHOTS/"
done

if [ "$failures" -ne 0 ]; then
    tail -n 20 "$work/programs.log"
    echo "$failures bundle check(s) failed"
    exit 1
fi
echo "$name starts from a read-only folder without the system's Qt ($mode) and installs for one user cleanly"
