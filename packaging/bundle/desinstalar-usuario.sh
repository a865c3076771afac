#!/bin/sh
# Removes what instalar-usuario.sh added for this user: the files its
# manifest lists and the folders it created, when they are left empty.
set -eu
data=${XDG_DATA_HOME:-$HOME/.local/share}
manifest_dir=$data/voltrix-trayecta-portable
manifest=$manifest_dir/manifest
if [ ! -f "$manifest" ]; then
    echo "Voltrix y Trayecta no estaban instalados para este usuario / no hi eren instal·lats."
    exit 0
fi
dirs=$(sed -n 's/^d //p' "$manifest")
sed -n 's/^f //p' "$manifest" | while IFS= read -r path; do
    rm -f "$path"
done
rm -f "$manifest"
# The folders last, the deepest first; one that something else has filled
# stays.
printf '%s\n' "$dirs" | tac | while IFS= read -r dir; do
    [ -z "$dir" ] || rmdir "$dir" 2>/dev/null || true
done
for dir in "$data/applications" "$data/icons/hicolor"; do
    [ ! -d "$dir" ] || touch "$dir"
done
echo "Voltrix y Trayecta ya no están en el menú de aplicaciones / ja no són al menú d'aplicacions."
