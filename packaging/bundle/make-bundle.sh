#!/usr/bin/env bash
# Makes the portable folder and its .tar.gz: both programs, the Qt libraries
# and plugins they load, every library they need that the desktop baseline
# (baseline-packages) does not bring, the fonts they ask for, Qt's
# translations, the icons and the user's install scripts. The libraries are
# found from what the dynamic loader resolves for the programs and plugins
# (ldd), then given $ORIGIN run paths, so nothing depends on where the folder
# is unpacked.
# usage: make-bundle.sh OUTPUT_DIR NAME VERSION DESKTOP_DIR PROGRAM=EXE=DESKTOP_ID...
set -euo pipefail

out_dir=$1 name=$2 version=$3 desktop_dir=$4
shift 4
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source_dir="$(cd "$here/../.." && pwd)"
for tool in patchelf fc-list qtpaths6 ldd; do
    command -v "$tool" >/dev/null || { echo "make-bundle.sh: needs $tool (apt-get install patchelf fontconfig qt6-base-dev-tools)" >&2; exit 1; }
done
qt_plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS)
qt_translations=$(qtpaths6 --query QT_INSTALL_TRANSLATIONS)

root="$out_dir/$name"
rm -rf "$root" "$out_dir/$name.tar.gz"
mkdir -p "$root"/{bin,lib,plugins,translations,fonts,licenses,share/applications}

# The baseline and what it depends on. The GL vendor libraries are taken as
# leaves: libglvnd loads whichever driver the desktop has, so what Mesa itself
# links (LLVM, libxml2 and through it ICU) is not something to count on.
leaves=" libglx-mesa0 libegl-mesa0 libgl1-mesa-dri "
declare -A baseline=()
read -ra queue <<<"$(sed 's/#.*//' "$here/baseline-packages" | xargs)"
while [ ${#queue[@]} -gt 0 ]; do
    pkg=${queue[0]}
    queue=("${queue[@]:1}")
    [ -z "${baseline[$pkg]:-}" ] || continue
    baseline[$pkg]=1
    [[ $leaves == *" $pkg "* ]] && continue
    deps=$(dpkg-query -W -f='${Depends}, ${Pre-Depends}' "$pkg" 2>/dev/null) || continue
    IFS=',' read -ra groups <<<"$deps"
    for group in "${groups[@]}"; do
        # Of "a | b", the first alternative that is installed.
        IFS='|' read -ra alternatives <<<"$group"
        for alt in "${alternatives[@]}"; do
            alt=$(sed 's/([^)]*)//; s/:any//; s/ //g' <<<"$alt")
            [ -n "$alt" ] || continue
            if dpkg-query -W -f='${Status}' "$alt" 2>/dev/null | grep -q "install ok installed"; then
                queue+=("$alt")
                break
            fi
        done
    done
done

# The baseline's libraries by file name, as the loader asks for them.
declare -A baseline_files=()
while read -r file; do
    baseline_files[${file##*/}]=1
done < <(dpkg-query -L "${!baseline[@]}" 2>/dev/null | grep '\.so')

shipped=()
# bundle_deps ELF: copies into lib/ each library the loader resolves for ELF
# that the baseline does not carry.
bundle_deps() {
    local line soname path
    while read -r line; do
        [[ $line == *"=> not found"* ]] && { echo "make-bundle.sh: $1: $line" >&2; exit 1; }
        [[ $line == *" => /"* ]] || continue
        soname=${line%% =>*}
        path=${line#*=> }
        path=${path% (0x*}
        [ -e "$root/lib/$soname" ] || [ -n "${baseline_files[$soname]:-}" ] && continue
        cp -L "$path" "$root/lib/$soname"
        shipped+=("$path" "$(readlink -f "$path")")
    done < <(ldd "$1")
}

# The programs, stripped like the Debian package's.
declare -a programs=()
for entry in "$@"; do
    IFS='=' read -r program exe desktop_id <<<"$entry"
    programs+=("$program")
    install -m 755 "$exe" "$root/bin/$program"
    strip "$root/bin/$program"
    bundle_deps "$root/bin/$program"
    install -m 755 "$here/launcher.sh" "$root/$program"
    install -m 644 "$desktop_dir/$desktop_id.desktop" "$root/share/applications/"
    for size_dir in "$source_dir"/packaging/icons/[0-9]*; do
        size=$(basename "$size_dir")
        install -D -m 644 "$size_dir/$program.png" "$root/share/icons/hicolor/${size}x$size/apps/$desktop_id.png"
    done
    install -D -m 644 "$source_dir/packaging/icons/$program.svg" "$root/share/icons/hicolor/scalable/apps/$desktop_id.svg"
done

# The plugins of each Qt module the programs link: the X11 platform (and
# offscreen, for runs without a display), its GL integrations, the image
# formats, the compose key, SVG icons, printing.
linked=$(for p in "${programs[@]}"; do ldd "$root/bin/$p"; done)
plugins=(platforms/libqxcb.so platforms/libqoffscreen.so xcbglintegrations imageformats
         platforminputcontexts/libcomposeplatforminputcontextplugin.so)
grep -q 'libQt6Svg\.so' <<<"$linked" && plugins+=(iconengines/libqsvgicon.so)
grep -q 'libQt6PrintSupport\.so' <<<"$linked" && plugins+=(printsupport)
for plugin in "${plugins[@]}"; do
    for file in "$qt_plugins/$plugin" "$qt_plugins/$plugin"/*.so; do
        [ -f "$file" ] || continue
        # An image format whose Qt module the programs do not link stays out.
        if ldd "$file" | grep -o 'libQt6[A-Za-z]*\.so\.6' | grep -vxFf <(grep -o 'libQt6[A-Za-z]*\.so\.6' <<<"$linked") \
            | grep -qv 'libQt6\(XcbQpa\|DBus\|OpenGL\)'; then
            continue
        fi
        dest="$root/plugins/${file#"$qt_plugins"/}"
        install -D -m 644 "$file" "$dest"
        bundle_deps "$dest"
        shipped+=("$file")
    done
done
# Libraries a plugin brought can need more libraries of their own.
for lib in "$root"/lib/*; do bundle_deps "$lib"; done

# Each file finds the bundle's libraries next to itself.
for exe in "$root"/bin/*; do patchelf --set-rpath '$ORIGIN/../lib' "$exe"; done
for lib in "$root"/lib/*; do patchelf --set-rpath '$ORIGIN' "$lib"; done
while read -r plugin; do patchelf --set-rpath '$ORIGIN/../../lib' "$plugin"; done < <(find "$root/plugins" -name '*.so')
chmod 644 "$root"/lib/*

# Qt reads qt.conf next to the program: plugins and translations come from
# the bundle, not from the prefix compiled into libQt6Core.
cat >"$root/bin/qt.conf" <<'EOF'
[Paths]
Prefix = ..
Plugins = plugins
Translations = translations
EOF
# Qt's dialogs in Spanish (also for Basque, which Qt lacks), Catalan and Galician.
for catalogue in qtbase_es qtbase_ca qt_gl; do
    [ -f "$qt_translations/$catalogue.qm" ] && cp "$qt_translations/$catalogue.qm" "$root/translations/"
done

# The faces the programs ask for (common/DesignFonts.cpp, the 3D view's
# labels), the same files as the build machine's, so the windows match.
for family in "Liberation Sans" "Liberation Sans Narrow" "Liberation Serif" "DejaVu Sans"; do
    files=$(fc-list -f '%{file}\n' ":family=$family" | sort -u)
    [ -n "$files" ] || { echo "make-bundle.sh: no font of the family $family here" >&2; exit 1; }
    while read -r file; do
        cp "$file" "$root/fonts/"
        shipped+=("$file")
    done <<<"$files"
done
install -m 644 "$here/fonts.conf" "$root/fonts/fonts.conf"

# The copyright files of the packages everything shipped comes from.
for pkg in $( (dpkg-query -S "${shipped[@]}" "${shipped[@]/#\/usr\//\/}" 2>/dev/null || true) | cut -d: -f1 | sort -u); do
    [ ! -f "/usr/share/doc/$pkg/copyright" ] || cp "/usr/share/doc/$pkg/copyright" "$root/licenses/$pkg.txt"
done
install -D -m 644 -t "$root/docs" "$source_dir/docs/guia-docente.md" "$source_dir/docs/guia-docent.md"
install -m 755 "$here/instalar-usuario.sh" "$here/desinstalar-usuario.sh" "$root/"
for text in LEEME.txt LLEGIU.txt; do
    sed "s/@VERSION@/$version/g" "$here/$text" >"$root/$text"
done

chmod -R u+rwX,go+rX,go-w "$root"
tar -C "$out_dir" --owner=0 --group=0 --numeric-owner --sort=name -czf "$out_dir/$name.tar.gz" "$name"
echo "$out_dir/$name.tar.gz: $(du -sh --apparent-size "$root" | cut -f1) unpacked, $(du -h "$out_dir/$name.tar.gz" | cut -f1) packed"
