#!/usr/bin/env bash
# The core builds on its own, with nothing but the C++ standard library: no Qt header is included
# and none is on its include paths. Usage: core_alone_test.sh SOURCE_DIR WORK_DIR
set -euo pipefail
source_dir=$1 work=$2
if grep -rln '#include <Q' "$source_dir/core"; then
    echo "core_alone: the files above include Qt" >&2
    exit 1
fi
rm -rf "$work"
cmake -S "$source_dir/core" -B "$work" -G Ninja -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
cmake --build "$work"
if grep -qi 'qt' "$work/compile_commands.json"; then
    echo "core_alone: a Qt path is on the core's command lines" >&2
    exit 1
fi
echo "core_alone: built alone"
