#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Quick when they are already there. The IC card readers: pcsc-lite to build
# against, its service with the driver of the USB readers of the CCID class,
# and the virtual reader the PC/SC test punches through.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgtest-dev libgmock-dev
          fonts-ipafont-gothic fonts-ipafont-mincho clang-format libcups2-dev
          qt6-translations-l10n desktop-file-utils libssl-dev pkg-config
          libpcsclite-dev pcscd libccid vsmartcard-vpcd "$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
