#!/usr/bin/env bash
# Fails when a C++ file of the tree is not formatted by the repository's .clang-format.
set -euo pipefail
cf=${1:-clang-format}
cd "$(dirname "$0")/.."
bad=0
while IFS= read -r f; do
    if ! "$cf" --dry-run --Werror "$f" >/dev/null 2>&1; then
        echo "not formatted: $f"
        bad=1
    fi
done < <(find src tests bench -name '*.cpp' -o -name '*.h' | sort)
exit $bad
