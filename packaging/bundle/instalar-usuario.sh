#!/bin/sh
# Adds Voltrix and Trayecta to this user's applications menu, with their
# icons, pointing into this folder; no administrator rights needed. What is
# written is listed in a manifest so that desinstalar-usuario.sh removes
# exactly that.
set -eu
here=$(dirname "$(readlink -f "$0")")
data=${XDG_DATA_HOME:-$HOME/.local/share}
manifest_dir=$data/voltrix-trayecta-portable
manifest=$manifest_dir/manifest

# An earlier installation, perhaps from another folder, is replaced.
[ ! -f "$manifest" ] || "$here/desinstalar-usuario.sh" >/dev/null

created_dirs=
# make_dir DIR: creates DIR and notes each folder that did not exist.
make_dir() {
    [ -d "$1" ] && return 0
    make_dir "$(dirname "$1")"
    mkdir "$1"
    created_dirs="$created_dirs$1
"
}
make_dir "$manifest_dir"
: >"$manifest.new"
note() { printf 'f %s\n' "$1" >>"$manifest.new"; }

# The launcher as a desktop-entry argument: quoted, with \ " ` $ escaped for
# the argument, % doubled for the field codes and \ doubled again for the
# string value.
exec_field() {
    printf '"%s"' "$(printf '%s' "$1" | sed 's/[\\"`$]/\\&/g; s/%/%%/g')" | sed 's/\\/\\\\/g'
}

for entry in "$here"/share/applications/*.desktop; do
    id=$(basename "$entry" .desktop)
    program=$(sed -n 's/^Exec=//p' "$entry")
    make_dir "$data/applications"
    target=$data/applications/$id.desktop
    command=$(exec_field "$here/$program")
    # sed's replacement needs its own & and \ escaped.
    replacement=$(printf '%s' "$command" | sed 's/[\\&|]/\\&/g')
    sed "s|^Exec=.*|Exec=$replacement|" "$entry" >"$target"
    note "$target"
    for icon in "$here"/share/icons/hicolor/*/apps/"$id".*; do
        size=$(basename "$(dirname "$(dirname "$icon")")")
        make_dir "$data/icons/hicolor/$size/apps"
        cp "$icon" "$data/icons/hicolor/$size/apps/"
        note "$data/icons/hicolor/$size/apps/$(basename "$icon")"
    done
done
printf '%s' "$created_dirs" | sed 's/^/d /' >>"$manifest.new"
mv "$manifest.new" "$manifest"
# Menus and icon themes watch their folders' times.
for dir in "$data/applications" "$data/icons/hicolor"; do
    [ ! -d "$dir" ] || touch "$dir"
done
echo "Voltrix y Trayecta están en el menú de aplicaciones (quitar: ./desinstalar-usuario.sh)."
echo "Voltrix i Trayecta són al menú d'aplicacions (treure'ls: ./desinstalar-usuario.sh)."
