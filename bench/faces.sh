#!/usr/bin/env bash
# The face search time per photo with "Keep faces in frame" on:
#
#   bench/faces.sh [BUILD_DIR] [COUNT]
#
# Makes COUNT (default 12) seeded 12-MP photo-like JPEGs (bench/photoset.sh) and times
# the search on each as the decoding threads make it: for the slot of a 4 x 6 print at
# 300 DPI (1200 x 1800, a 1/2 decode) and at 200 DPI in "Three 4 x 6 Prints"
# (800 x 1200, a 1/4 decode). A Release build is best:
#   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DSNAPVALE_TESTS=OFF
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build-release}
count=${2:-12}
photos=${TMPDIR:-/tmp}/snapvale-bench-photos
"$here/photoset.sh" "$photos" "$count"
cmake --build "$build" --target face-time-bench
bench=$build/stage/bin/face-time-bench
mapfile -t set < <(ls "$photos"/photo*.jpg | head -n "$count")
echo "== 4 x 6 at 300 DPI (1200 x 1800)"
"$bench" 1200 1800 "${set[@]}"
echo "== 4 x 6 at 200 DPI (800 x 1200)"
"$bench" 800 1200 "${set[@]}"
