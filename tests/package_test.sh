#!/usr/bin/env bash
# Builds the Debian package from a built tree into a temporary folder, unpacks it and checks
# that it holds exactly the application's files, in their places, with the right control fields.
# Usage: package_test.sh BUILD_DIR VERSION VESK VESK_RENDER
# (VESK and VESK_RENDER are the built binaries: the package is made from them, so build first.)
set -uo pipefail

usage="usage: package_test.sh BUILD_DIR VERSION VESK VESK_RENDER"
build=${1:?$usage}
version=${2:?$usage}
here=$(cd "$(dirname "$0")" && pwd)

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
die() {
    echo "FAIL: $*" >&2
    exit 1
}

for bin in "${3:?$usage}" "${4:?$usage}"; do
    [ -x "$bin" ] || die "$bin is not built; build the vesk and vesk-render targets before running this test"
done
for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || die "$tool is not installed (scripts/deps.sh installs it)"
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

if ! out=$(cd "$build" && cpack -G DEB -B "$tmp/out" 2>&1); then
    printf '%s\n' "$out" >&2
    die "cpack failed"
fi

deb=$tmp/out/vesk_${version}_$(dpkg --print-architecture).deb
if [ ! -f "$deb" ]; then
    printf '%s\n' "$out" >&2
    ls -l "$tmp/out" >&2
    die "cpack did not write $(basename "$deb")"
fi
echo "ok: $(basename "$deb") built"

# Control fields: field, expected value (exact).
while IFS='|' read -r field expected; do
    actual=$(dpkg-deb -f "$deb" "$field")
    [ "$actual" = "$expected" ] || fail "control field $field is '$actual', expected '$expected'"
done <<ROWS
Package|vesk
Version|$version
Section|education
Architecture|$(dpkg --print-architecture)
ROWS

# Depends: the fonts by name, and the Qt and C libraries that dpkg-shlibdeps finds in the binaries.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
IFS=',' read -ra deps <<<"$depends"
has_dep() {
    local d
    for d in "${deps[@]}"; do
        d=${d#"${d%%[![:space:]]*}"}
        [[ $d == "$1" || $d == "$1 ("* ]] && return 0
    done
    return 1
}
for dep in "fonts-arphic-uming | fonts-noto-cjk" fonts-liberation2 libc6 libqt6core6 libqt6gui6 \
    libqt6widgets6; do
    has_dep "$dep" || fail "Depends lacks '$dep'"
done

if ! out=$(dpkg-deb -x "$deb" "$tmp/root" 2>&1); then
    printf '%s\n' "$out" >&2
    die "dpkg-deb -x failed"
fi

# Exactly these files: anything more (a test, a benchmark, a library of gtest) is a fault.
expected_files=$(sort <<'FILES'
./usr/bin/vesk
./usr/bin/vesk-render
./usr/share/applications/org.vesk.Vesk.desktop
./usr/share/metainfo/org.vesk.Vesk.metainfo.xml
./usr/share/icons/hicolor/16x16/apps/org.vesk.Vesk.png
./usr/share/icons/hicolor/32x32/apps/org.vesk.Vesk.png
./usr/share/icons/hicolor/48x48/apps/org.vesk.Vesk.png
./usr/share/icons/hicolor/256x256/apps/org.vesk.Vesk.png
./usr/share/icons/hicolor/scalable/apps/org.vesk.Vesk.svg
./usr/share/doc/vesk/copyright
FILES
)
actual_files=$(cd "$tmp/root" && find . ! -type d | sort)
if [ "$actual_files" != "$expected_files" ]; then
    fail "package contents differ from the expected list:"
    diff <(printf '%s\n' "$expected_files") <(printf '%s\n' "$actual_files") >&2
fi

for bin in vesk vesk-render; do
    [ -x "$tmp/root/usr/bin/$bin" ] || fail "usr/bin/$bin is not executable"
done
if ! out=$(QT_QPA_PLATFORM=offscreen "$tmp/root/usr/bin/vesk-render" --version 2>&1) ||
    [ "$out" != "vesk-render $version" ]; then
    fail "packaged vesk-render --version printed '$out', expected 'vesk-render $version'"
fi

# The licence, in Debian's machine-readable copyright format.
copyright=$tmp/root/usr/share/doc/vesk/copyright
if [ -f "$copyright" ]; then
    head -n 1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
        fail "usr/share/doc/vesk/copyright does not start with the Format: line"
    grep -qx 'License: MIT' "$copyright" || fail "usr/share/doc/vesk/copyright does not name the MIT licence"
fi

# Each PNG's header must give the size of the folder it sits in.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }'
}
for size in 16 32 48 256; do
    png=$tmp/root/usr/share/icons/hicolor/${size}x${size}/apps/org.vesk.Vesk.png
    [ -f "$png" ] || continue
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' ')" = "89504e470d0a1a0a" ] || fail "$png is not a PNG"
    actual=$(png_size "$png")
    [ "$actual" = "${size}x${size}" ] || fail "$png is $actual, expected ${size}x${size}"
done

# The installed entry and metadata validate, as does the installed tree as a whole.
"$here/desktop_files_test.sh" "$tmp/root/usr/share/applications/org.vesk.Vesk.desktop" \
    "$tmp/root/usr/share/metainfo/org.vesk.Vesk.metainfo.xml" "$version" || fail "installed desktop files"
if ! out=$(appstreamcli validate-tree --no-net "$tmp/root" 2>&1); then
    printf '%s\n' "$out" >&2
    fail "appstreamcli validate-tree failed"
fi

if [ $failures -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "package: all checks passed"
