#!/usr/bin/env bash
# Fails when an include runs against the layers: core/ includes only core/, gui/ includes core/ and
# gui/, cli/ includes core/ and cli/, nothing includes app/, and no two folders (core/records,
# gui/group, cli, ...) include each other. With -v it prints the include graph between folders.
set -u
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' '*.h.in' | awk -v verbose="${1:-}" '
function folder(path,    parts, n) {
    n = split(path, parts, "/")
    if ((parts[1] == "core" || parts[1] == "gui") && n > 2)
        return parts[1] "/" parts[2]
    return parts[1]
}
function layer(path,    parts) { split(path, parts, "/"); return parts[1] }
{
    file = $0
    from = folder(file)
    fromLayer = layer(file)
    while ((getline line < file) > 0) {
        if (line !~ /^#include "[^"]*\//)
            continue
        sub(/^#include "/, "", line)
        sub(/".*/, "", line)
        to = folder(line)
        toLayer = layer(line)
        if (toLayer == "app")
            refusals[++count] = file " includes app/: " line
        else if (fromLayer == "core" && toLayer != "core")
            refusals[++count] = file " is in core/ and includes " line
        else if (fromLayer == "cli" && toLayer != "core" && toLayer != "cli")
            refusals[++count] = file " is in cli/ and includes " line
        else if (fromLayer == "gui" && toLayer != "core" && toLayer != "gui")
            refusals[++count] = file " is in gui/ and includes " line
        # Tests, benchmarks and fuzz targets may reach anything but app/; they are not folders of the program.
        if (from != to && fromLayer != "tests" && fromLayer != "bench" && fromLayer != "fuzz")
            edges[from " -> " to] = file " includes " line
    }
    close(file)
}
END {
    for (edge in edges) {
        split(edge, ends, " -> ")
        if ((ends[2] " -> " ends[1]) in edges && ends[1] < ends[2])
            refusals[++count] = ends[1] " and " ends[2] " include each other: " edges[edge] "; " edges[ends[2] " -> " ends[1]]
        if (verbose == "-v")
            print edge
    }
    for (i = 1; i <= count; ++i)
        print refusals[i] > "/dev/stderr"
    exit count > 0
}' | sort
exit "${PIPESTATUS[1]}"
