#!/usr/bin/env bash
# Builds every test twice (release, and debug with AddressSanitizer and
# UBSan) and runs them all.
set -euo pipefail
cd "$(dirname "$0")/.."
# The print tests need a print service, a PDF queue and the PDF tools.
bash scripts/deps.sh cups printer-driver-cups-pdf poppler-utils
export QT_QPA_PLATFORM=offscreen
status=0
for preset in release debug-asan; do
    echo "== $preset =="
    cmake --preset "$preset" -DKELVANE_BUILD_TESTS=ON >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)"
    ctest --preset "$preset" -j "$(nproc)" || status=1
done
exit $status
