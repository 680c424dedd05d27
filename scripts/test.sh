#!/usr/bin/env bash
# Builds every test twice (release, and debug with AddressSanitizer and
# UBSan) and runs them all, the kill stress test with the release build; then
# runs each fuzz target for a short fixed time (scripts/fuzz.sh).
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
echo "== fuzz =="
bash scripts/fuzz.sh || status=1
exit $status
