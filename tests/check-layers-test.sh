#!/usr/bin/env bash
# The layer check names every wrong include of a small tree with its file, its
# line and the rule, passes the right ones, and fails.
set -uo pipefail
cd "$(dirname "$0")/.."
out=$(bash scripts/check-layers.sh tests/testdata/layers)
rc=$?
if [ "$rc" -ne 1 ]; then
    echo "the layer check ended with $rc, not 1"
    exit 1
fi
diff <(printf '%s\n' "$out") tests/testdata/layers.expected
