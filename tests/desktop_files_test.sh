#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metadata with the desktop's own validators and
# checks the facts that launching and listing vesk depend on.
# Usage: desktop_files_test.sh DESKTOP_FILE METAINFO_FILE VERSION
set -uo pipefail

usage="usage: desktop_files_test.sh DESKTOP_FILE METAINFO_FILE VERSION"
desktop=${1:?$usage}
metainfo=${2:?$usage}
version=${3:?$usage}

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Runs a validator; it must exit 0 and report no error or warning. Its output is shown on failure.
validate() {
    local name=$1
    shift
    if ! command -v "$1" >/dev/null; then
        fail "$name: $1 is not installed (scripts/deps.sh installs it)"
        return
    fi
    local out rc
    out=$("$@" 2>&1)
    rc=$?
    if [ $rc -ne 0 ] || grep -qiE '(^|[ :])(error|warning)s?:|^[EW]: ' <<<"$out"; then
        fail "$name exited $rc:"
        printf '%s\n' "$out" >&2
    else
        echo "ok: $name"
        [ -n "$out" ] && printf '  %s\n' "$out"
    fi
}

# The value of KEY in the [Desktop Entry] group, or nothing.
entry_value() {
    awk -v key="$1" '
        /^\[/ { in_group = ($0 == "[Desktop Entry]") ; next }
        in_group && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }
    ' "$desktop"
}

for f in "$desktop" "$metainfo"; do
    [ -f "$f" ] || { echo "FAIL: missing $f" >&2; exit 1; }
done

validate desktop-file-validate desktop-file-validate "$desktop"
validate "appstreamcli validate" appstreamcli validate --no-net "$metainfo"

# Desktop entry: key, expected value (exact).
while IFS='|' read -r key expected; do
    actual=$(entry_value "$key")
    [ "$actual" = "$expected" ] || fail "$desktop: $key is '$actual', expected '$expected'"
done <<'ROWS'
Type|Application
Name|vesk
Exec|vesk
Icon|org.vesk.Vesk
Terminal|false
Comment|Rotating magnetic field of a three-phase stator
Comment[zh_CN]|三相交流异步电动机定子旋转磁场形成
ROWS

categories=";$(entry_value Categories)"
for c in Education Physics; do
    [[ $categories == *";$c;"* ]] || fail "$desktop: Categories '$categories' lacks $c"
done

# Metadata: each line must appear (whitespace around it ignored).
while IFS= read -r line; do
    grep -qF -- "$line" "$metainfo" || fail "$metainfo: no '$line'"
done <<ROWS
<component type="desktop-application">
<id>org.vesk.Vesk</id>
<metadata_license>CC0-1.0</metadata_license>
<project_license>MIT</project_license>
<name xml:lang="zh_CN">vesk 应用程序</name>
<summary>Rotating magnetic field of a three-phase stator</summary>
<summary xml:lang="zh_CN">三相交流异步电动机定子旋转磁场形成</summary>
<launchable type="desktop-id">org.vesk.Vesk.desktop</launchable>
<content_rating type="oars-1.1"/>
<release version="$version" date="
<image>https://
ROWS
grep -q '<p xml:lang="zh_CN">' "$metainfo" || fail "$metainfo: no Chinese description"

if [ $failures -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "desktop entry and metadata: all checks passed"
