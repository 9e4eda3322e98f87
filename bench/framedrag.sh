#!/usr/bin/env bash
# Redraws a second while a photo is dragged in its slot: three 12-MP JPEGs in
# "Three 4 x 6 Prints" at 300 DPI; the first slot's photo is moved 300 times.
#
#   bench/framedrag.sh [BUILD_DIR] [MOVES]
#
# BUILD_DIR defaults to build-render beside this folder (a Release build), MOVES to 300.
# Needs cjpeg and cc.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build-render}
moves=${2:-300}
cmake --build "$build" --target frame-drag-bench >/dev/null
bench=$build/stage/bin/frame-drag-bench
[ -x "$bench" ] || bench=$build/bench/sheet/frame-drag-bench
work=$(mktemp -d "${TMPDIR:-/tmp}/snapvale-drag.XXXXXX")
trap 'rm -rf "$work"' EXIT
cc -O2 -o "$work/photogen" "$here/photogen.c" -lm
for seed in 1 2 3; do
    "$work/photogen" 4000 3000 "$seed" | cjpeg -quality 90 -optimize > "$work/photo$seed.jpg"
done
"$bench" "$moves" "$work"/photo1.jpg "$work"/photo2.jpg "$work"/photo3.jpg
