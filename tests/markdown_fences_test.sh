#!/usr/bin/env bash
# Every code fence in the README and the docs is closed where it should be: one left open turns
# the rest of the page into code. Usage: markdown_fences_test.sh SOURCE_DIR
set -uo pipefail
shopt -s nullglob
status=0
for file in "$1"/README.md "$1"/docs/*.md; do
    awk -v file="$file" '
        # A fence: at most three spaces, then three or more backticks or tildes, then perhaps the
        # language. A run of the same character at least as long, and nothing else, closes it.
        # These pages never show a fence inside code, so one with a language inside a block
        # means the block before it was left open.
        /^ ? ? ?(```|~~~)/ {
            fence = $0
            sub(/^ */, "", fence)
            run = fence
            sub(/[^`~].*$/, "", run)
            bare = fence ~ /^(`+|~+) *$/
            if (open == "") {
                open = run
                line = FNR
            } else if (bare && substr(run, 1, 1) == substr(open, 1, 1) &&
                       length(run) >= length(open)) {
                open = ""
            } else if (!bare) {
                printf "%s:%d: the code fence opened here is still open at line %d\n", file, line, FNR
                failed = 1
                open = run
                line = FNR
            }
        }
        END {
            if (open != "") {
                printf "%s:%d: this code fence is never closed\n", file, line
                failed = 1
            }
            exit failed
        }
    ' "$file" || status=1
done
[ $status = 0 ] && echo "every code fence closes"
exit $status
