#!/usr/bin/env bash
# Decoding speed: snapvale-cli decode against djpeg on the same photo-like JPEGs,
# in the same hyperfine run, both writing a binary PPM to a tmpfs file.
#   bench/decode.sh [BUILD_DIR]        (default: build)
# Needs: hyperfine, imagemagick, libjpeg-turbo-progs (dev tools, not build deps).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
CLI=$BUILD/stage/bin/snapvale-cli
[ -x "$CLI" ] || { echo "build snapvale-cli first: $CLI" >&2; exit 1; }
for tool in hyperfine convert djpeg cjpeg; do
  command -v $tool > /dev/null || { echo "missing $tool" >&2; exit 1; }
done
TMP=${BENCH_TMP:-/dev/shm/snapvale-bench}
mkdir -p "$TMP"

# Camera-like content with a fixed seed: a smooth fractal landscape, some blur,
# then sensor grain, compressed at quality 92 (about 2 to 3 bits a pixel).
make_photo() {  # name width height
  local out=$TMP/$1.jpg
  [ -s "$out" ] && return
  convert -seed 20240611 -size "$2x$3" plasma:fractal -blur 0x1.5 \
    -seed 7 -attenuate 0.35 +noise Gaussian ppm:- | cjpeg -quality 92 -optimize > "$out"
  local bytes; bytes=$(stat -c %s "$out")
  echo "$1: $2x$3, $bytes bytes, $(echo "scale=2; $bytes * 8 / ($2 * $3)" | bc) bits/pixel"
}
make_photo photo12mp 4000 3000
make_photo photo24mp 6000 4000

# A 37 x 23 JPEG shows what starting each program costs (snapvale-cli loads Qt and
# about seventy shared libraries; djpeg almost nothing), so the decoding work itself
# can be compared too: (ours - ours on the tiny file) / (djpeg - djpeg on the tiny file).
TINY=tests/data/codecs_lib/baseline.jpg
for p in photo12mp photo24mp; do
  hyperfine -N --warmup 2 --runs ${RUNS:-15} --export-json "$TMP/$p.json" \
    -n "snapvale-cli $p" "$CLI decode $TMP/$p.jpg $TMP/out.ppm" \
    -n "djpeg $p" "djpeg -ppm -outfile $TMP/ref.ppm $TMP/$p.jpg" \
    -n "snapvale-cli tiny" "$CLI decode $TINY $TMP/tiny-out.ppm" \
    -n "djpeg tiny" "djpeg -ppm -outfile $TMP/tiny-ref.ppm $TINY"
  python3 - "$TMP/$p.json" <<'PY'
import json, sys
m = [r['median'] * 1000 for r in json.load(open(sys.argv[1]))['results']]
print('medians ms: snapvale-cli %.1f, djpeg %.1f, snapvale-cli tiny %.1f, djpeg tiny %.1f' % tuple(m))
print('whole process ratio %.3f; decoding ratio without process start %.3f' % (m[0] / m[1], (m[0] - m[2]) / (m[1] - m[3])))
PY
done
cmp "$TMP/out.ppm" "$TMP/ref.ppm" && echo "outputs identical"
