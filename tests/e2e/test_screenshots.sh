#!/usr/bin/env bash
# scripts/screenshots runs through with the program under test and writes every picture the
# README shows, each a PNG of at most 150 KB (what the pictures show is not checked here).
set -euo pipefail
program="$1"
root="$(cd "$(dirname "$0")/../.." && pwd)"
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT

"$root/scripts/screenshots" "$program" "$folder"

for name in main-window play play-mirrored fade-title colour-bars under-your-hood; do
    picture="$folder/$name.png"
    [ -f "$picture" ] || { echo "FAIL: $name.png not written" >&2; exit 1; }
    [ "$(identify -format '%m' "$picture")" = PNG ] || { echo "FAIL: $name.png is no PNG" >&2; exit 1; }
    [ "$(stat -c %s "$picture")" -le $((150 * 1024)) ] || { echo "FAIL: $name.png above 150 KB" >&2; exit 1; }
done
[ "$(ls "$folder" | wc -l)" -eq 6 ] || { echo "FAIL: other files written: $(ls "$folder")" >&2; exit 1; }
echo "e2e screenshots: 6 pictures written"
