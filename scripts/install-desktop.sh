#!/usr/bin/env bash
# Puts the installed program into the desktop's application menu for this
# user: its icon in the user's icon theme and a desktop entry that starts it.
#   bash scripts/install-desktop.sh <folder of the installed program>
# XDG_DATA_HOME chooses another place than ~/.local/share.
set -euo pipefail
prefix=${1:?"usage: install-desktop.sh <folder of the installed program>"}
root=$(cd "$(dirname "$0")/.." && pwd)
data=${XDG_DATA_HOME:-$HOME/.local/share}
case "$prefix" in
    *[\"\`\$\\%]*)
        echo "install-desktop.sh: the folder name \"$prefix\" cannot stand in a desktop entry" >&2
        exit 1 ;;
esac

icons="$data/icons/hicolor"
for size in 16 24 32 48 64 128 256; do
    install -D -m 644 "$root/src/resources/icons/kelvane-$size.png" \
        "$icons/${size}x${size}/apps/kelvane.png"
done
install -D -m 644 "$root/src/resources/icons/kelvane.svg" "$icons/scalable/apps/kelvane.svg"

entry="$data/applications/kelvane.desktop"
mkdir -p "$data/applications"
template=$(<"$root/packaging/kelvane.desktop.in")
printf '%s\n' "${template//@EXEC@/\"$prefix/kelvane\"}" > "$entry.tmp"
mv "$entry.tmp" "$entry"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry"
fi
if command -v update-desktop-database >/dev/null; then
    update-desktop-database -q "$data/applications" || true
fi
if command -v gtk-update-icon-cache >/dev/null && [ -f "$icons/index.theme" ]; then
    gtk-update-icon-cache -q "$icons" || true
fi
echo "Desktop entry: $entry"
