#!/usr/bin/env bash
# Fails when a file below src includes a header against the order of the layers:
#   platform <- screen <- data <- the subsystems (punchclock, tally, printing,
#   maintenance, access) <- app, and main.cpp over them all.
# A logic folder builds on itself and the layers below it, never on a ui/
# folder. A ui/ folder builds on its own logic, the layers below it (their
# ui/ folders too) and, for the tally screen's print panel, tally/ui on
# printing. Each wrong include is named with its file, its line and the rule.
# Usage: check-layers.sh [source folder], from the repository's top; src by default.
set -euo pipefail
cd "$(dirname "$0")/.."
root=${1:-src}
root=${root%/}
mapfile -t files < <(find "$root" -name '*.cpp' -o -name '*.h' | LC_ALL=C sort)
awk -v root="$root/" '
BEGIN {
    rank["platform"] = 0; rank["screen"] = 1; rank["data"] = 2
    rank["punchclock"] = 3; rank["tally"] = 3; rank["printing"] = 3
    rank["maintenance"] = 3; rank["access"] = 3; rank["app"] = 4
    order = "platform <- screen <- data <- subsystems <- app"
    bad = 0
}
FNR == 1 {
    name = substr(FILENAME, length(root) + 1)
    n = split(name, part, "/")
    area = n > 1 ? part[1] : ""
    ui = n > 2 && part[2] == "ui"
    top = !(area in rank)
}
/^[ \t]*#[ \t]*include[ \t]*"/ {
    if (top)
        next
    target = $0
    sub(/^[^"]*"/, "", target)
    sub(/".*$/, "", target)
    m = split(target, tpart, "/")
    tarea = m > 1 ? tpart[1] : ""
    tui = m > 2 && tpart[2] == "ui"
    rule = ""
    if (!(tarea in rank))
        rule = "an include names its layer: <layer>/<file>"
    else if (!ui && tui)
        rule = "logic uses QtCore only: " area " includes no ui/ header"
    else if (!ui && tarea != area && rank[tarea] >= rank[area])
        rule = rank[tarea] == rank[area] && rank[area] == 3 \
            ? "a subsystem builds on no other subsystem" \
            : area " builds only on the layers below it (" order ")"
    else if (ui && tarea != area && rank[tarea] >= rank[area] && \
             !(area == "tally" && tarea == "printing"))
        rule = area "/ui builds only on " area ", screen/ui and the layers below it (" \
            order "), and tally/ui on printing"
    if (rule != "") {
        printf "%s:%d: #include \"%s\": %s\n", FILENAME, FNR, target, rule
        bad++
    }
}
END {
    if (bad) {
        printf "%d include(s) against the order of the layers\n", bad
        exit 1
    }
}' "${files[@]}"
