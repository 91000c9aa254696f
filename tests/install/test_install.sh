#!/usr/bin/env bash
# cmake --install puts the program, its desktop entry and its icon under the chosen prefix,
# and the entry is one a desktop accepts: it opens text files by passing their path.
# Arguments: the cmake program and the build folder.
set -euo pipefail
cmake="$1"
build="$2"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null
[ -x "$prefix/bin/lectoscope" ] || fail "no program in bin"
entry="$prefix/share/applications/lectoscope.desktop"
[ -f "$entry" ] || fail "no desktop entry"
desktop-file-validate "$entry" || fail "desktop-file-validate refuses the entry"
grep -qx 'Exec=lectoscope %f' "$entry" || fail "Exec does not take a file"
grep -q '^MimeType=\(.*;\)\?text/plain;' "$entry" || fail "text/plain is not among the types"
grep -q '^Categories=\(.*;\)\?AudioVideo;' "$entry" || fail "no AudioVideo category"
icon="$(sed -n 's/^Icon=//p' "$entry")"
[ -s "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon named $icon"
echo "install: 1 passed, 0 failed"
