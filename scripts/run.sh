#!/usr/bin/env bash
# Builds the program, installs it into its own folder (which is also its data
# folder, so the data survives every rebuild) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
prefix=${KELVANE_HOME:-$HOME/Kelvane}
cmake --preset app >/dev/null
cmake --build --preset app --target kelvane
mkdir -p "$prefix"
install -m 755 build/app/src/kelvane "$prefix/kelvane"
echo "Kelvane is installed in $prefix (its data files live there too)."
# Its icon and a desktop entry, so it is found in the desktop's application menu.
bash scripts/install-desktop.sh "$prefix"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: start it on a desktop, or without one as: xvfb-run -a \"$prefix/kelvane\""
    exit 1
fi
exec "$prefix/kelvane"
