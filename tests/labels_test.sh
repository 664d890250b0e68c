#!/usr/bin/env bash
# Every CTest test carries exactly one label of unit, gui, web and package, so that the suite can
# be run in parts. Usage: labels_test.sh BUILD_DIR
set -euo pipefail
ctest --test-dir "$1" --show-only=json-v1 | node -e '
const tests = JSON.parse(require("fs").readFileSync(0, "utf8")).tests;
const bad = tests.filter((t) => {
    const labels = (t.properties ?? []).filter((p) => p.name === "LABELS").flatMap((p) => p.value);
    return labels.length !== 1 || !["unit", "gui", "web", "package"].includes(labels[0]);
}).map((t) => t.name);
console.log(bad.length ? `without one of unit, gui, web, package: ${bad.join(", ")}` :
                         `${tests.length} tests, each labelled`);
process.exit(bad.length ? 1 : 0);
'
