#!/usr/bin/env bash
# What converting an embedded colour profile costs: snapvale-cli decode of the 12-MP
# photo of decode.sh against the same file with an Adobe RGB profile put in (the same
# compressed bytes, one APP2 section more), in one hyperfine run, writing to tmpfs.
#   bench/colour.sh [BUILD_DIR]        (default: build-release, a Release build)
# Needs: hyperfine, imagemagick, libjpeg-turbo-progs, colord-data (dev tools, not build deps).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build-release}
CLI=$BUILD/stage/bin/snapvale-cli
[ -x "$CLI" ] || { echo "build snapvale-cli first: $CLI" >&2; exit 1; }
for tool in hyperfine convert cjpeg; do
  command -v $tool > /dev/null || { echo "missing $tool" >&2; exit 1; }
done
PROFILE=/usr/share/color/icc/colord/AdobeRGB1998.icc
[ -r "$PROFILE" ] || { echo "missing $PROFILE (colord-data)" >&2; exit 1; }
TMP=${BENCH_TMP:-/dev/shm/snapvale-bench}
mkdir -p "$TMP"

# The photo of decode.sh: fractal landscape, blur, grain, quality 92.
PHOTO=$TMP/photo12mp.jpg
[ -s "$PHOTO" ] || convert -seed 20240611 -size 4000x3000 plasma:fractal -blur 0x1.5 \
  -seed 7 -attenuate 0.35 +noise Gaussian ppm:- | cjpeg -quality 92 -optimize > "$PHOTO"
python3 - "$PHOTO" "$PROFILE" "$TMP/photo12mp-adobe.jpg" <<'PY'
import struct, sys
jpeg, icc = open(sys.argv[1], 'rb').read(), open(sys.argv[2], 'rb').read()
app2 = b'\xff\xe2' + struct.pack('>H', len(icc) + 16) + b'ICC_PROFILE\0\x01\x01' + icc
open(sys.argv[3], 'wb').write(jpeg[:2] + app2 + jpeg[2:])
PY

# An empty settings file: the conversion is on by default. The 37 x 23 JPEG shows
# what starting the program costs, so the decoding can be compared alone too.
SETTINGS=$TMP/colour-bench.conf
: > "$SETTINGS"
TINY=tests/data/codecs_lib/baseline.jpg
hyperfine -N --warmup 3 --runs ${RUNS:-20} --export-json "$TMP/colour.json" \
  -n "no profile" "$CLI --settings $SETTINGS decode $PHOTO $TMP/plain.ppm" \
  -n "Adobe RGB profile" "$CLI --settings $SETTINGS decode $TMP/photo12mp-adobe.jpg $TMP/adobe.ppm" \
  -n "tiny" "$CLI --settings $SETTINGS decode $TINY $TMP/tiny.ppm"
python3 - "$TMP/colour.json" <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))['results']
m = [x['median'] * 1000 for x in r]
u = [x['user'] * 1000 + x['system'] * 1000 for x in r]
print('medians ms: no profile %.1f, with profile %.1f, tiny %.1f' % tuple(m))
print('whole process ratio %.3f; decoding ratio without process start %.3f' % (m[1] / m[0], (m[1] - m[2]) / (m[0] - m[2])))
print('cpu (user+system) ms: %.1f, %.1f, %.1f; decoding ratio %.3f' % (u[0], u[1], u[2], (u[1] - u[2]) / (u[0] - u[2])))
PY
# The profile must have changed the pixels, and the untagged photo must not.
cmp -s "$TMP/plain.ppm" "$TMP/adobe.ppm" && { echo "the profile changed nothing" >&2; exit 1; }
if command -v djpeg > /dev/null; then
  djpeg -ppm -outfile "$TMP/ref.ppm" "$PHOTO" && cmp "$TMP/plain.ppm" "$TMP/ref.ppm" && echo "untagged output identical to djpeg"
fi
