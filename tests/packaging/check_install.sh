#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks that the tree holds
# what a desktop needs: both programs, their menu entries and metainfo (both
# passing the freedesktop and AppStream validators) and their icons at every
# size; then starts the installed programs. A second install checks that the
# prefix is honoured.
# usage: check_install.sh BUILD_DIR VOLTRIX_ID TRAYECTA_ID VERSION
set -uo pipefail
build=$1
declare -A ids=([voltrix]=$2 [trayecta]=$3)
version=$4
sizes=(16 24 32 48 64 128 256)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A language the user chose in a menu must not change what is checked.
export XDG_CONFIG_HOME=$work/config
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for tool in desktop-file-validate appstreamcli file; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (./test.sh installs it)"; exit 1; }
done

if ! DESTDIR="$work/root" cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi
root=$work/root/usr

# key FILE KEY: the value of KEY in the [Desktop Entry] group.
key() { sed -n "/^\[Desktop Entry\]/,/^\[/{s/^$2=//p}" "$1"; }

for program in voltrix trayecta; do
    id=${ids[$program]}
    desktop=$root/share/applications/$id.desktop
    metainfo=$root/share/metainfo/$id.metainfo.xml
    for path in "$root/bin/$program" "$desktop" "$metainfo" "$root/share/icons/hicolor/scalable/apps/$id.svg"; do
        [ -s "$path" ] || fail "missing or empty: ${path#"$work/root"}"
    done
    [ -x "$root/bin/$program" ] || fail "$program is not executable"
    for size in "${sizes[@]}"; do
        png=$root/share/icons/hicolor/${size}x${size}/apps/$id.png
        if [ -s "$png" ]; then
            file -b "$png" | grep -q "PNG image data, $size x $size," \
                || fail "$png is not a $size x $size PNG: $(file -b "$png")"
        else
            fail "missing icon ${png#"$work/root"}"
        fi
    done

    [ -s "$desktop" ] && {
        desktop-file-validate "$desktop" >"$work/dfv" 2>&1 || fail "desktop-file-validate $id.desktop: $(cat "$work/dfv")"
        [ "$(key "$desktop" Exec)" = "$program" ] || fail "$id.desktop: Exec is '$(key "$desktop" Exec)'"
        [ "$(key "$desktop" Icon)" = "$id" ] || fail "$id.desktop: Icon is '$(key "$desktop" Icon)'"
        categories=";$(key "$desktop" Categories)"
        for category in Education Science; do
            [[ $categories == *";$category;"* ]] || fail "$id.desktop: no $category category"
        done
        for language in es ca ca@valencia gl eu; do
            for field in Name Comment GenericName Keywords; do
                [ -n "$(key "$desktop" "$field\\[$language\\]")" ] || fail "$id.desktop: no $field[$language]"
            done
        done
    }

    [ -s "$metainfo" ] && {
        appstreamcli validate --no-net --pedantic "$metainfo" >"$work/asv" 2>&1 \
            || fail "appstreamcli validate $id.metainfo.xml: $(cat "$work/asv")"
        grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
            || fail "$id.metainfo.xml does not launch $id.desktop"
        grep -q "<image>.*/$program.png</image>" "$metainfo" || fail "$id.metainfo.xml has no screenshot"
    }

    # The installed program, started from its installed path.
    if [ -x "$root/bin/$program" ]; then
        out=$(QT_QPA_PLATFORM=offscreen timeout 30 "$root/bin/$program" --version 2>"$work/run")
        [ "${out,,}" = "$program $version" ] || fail "installed $program --version printed '$out': $(cat "$work/run")"
        QT_QPA_PLATFORM=offscreen timeout 3 "$root/bin/$program" >"$work/run" 2>&1
        [ $? -eq 124 ] || fail "installed $program did not keep running: $(cat "$work/run")"
    fi
done

# The whole tree as a software centre reads it: each component's desktop
# entry and icons must be found beside its metainfo.
appstreamcli validate-tree --no-net "$work/root" >"$work/tree" 2>&1 \
    || fail "appstreamcli validate-tree: $(cat "$work/tree")"

# Another prefix: everything lands below it.
if DESTDIR="$work/other" cmake --install "$build" --prefix /opt/orvalis >"$work/install2.log" 2>&1; then
    for path in bin/voltrix bin/trayecta "share/applications/${ids[voltrix]}.desktop" \
                "share/icons/hicolor/48x48/apps/${ids[trayecta]}.png"; do
        [ -e "$work/other/opt/orvalis/$path" ] || fail "--prefix /opt/orvalis: no $path"
    done
    [ -z "$(find "$work/other" -path "$work/other/opt/orvalis" -prune -o -type f -print)" ] \
        || fail "--prefix /opt/orvalis: files outside the prefix"
else
    fail "cmake --install --prefix /opt/orvalis: $(cat "$work/install2.log")"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures install check(s) failed"
    exit 1
fi
echo "install tree holds both programs, menu entries, metainfo and icons"
