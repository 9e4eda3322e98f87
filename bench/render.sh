#!/usr/bin/env bash
# Rendering speed: `snapvale-cli render` against libvips and ImageMagick making the
# same fitted pictures from the same photo-like JPEGs, in one hyperfine run each,
# and the peak memory of a 400 DPI page.
#
#   bench/render.sh [BUILD_DIR] [RUNS]
#
# BUILD_DIR defaults to build-render beside this folder, RUNS to 10 timed runs per
# command. Needs hyperfine, vips (libvips-tools), convert (imagemagick), cjpeg and cc.
# The photos come from bench/photogen.c with fixed seeds: one 6000 x 4000 and three
# 4000 x 3000, about 2 to 3 bits a pixel at quality 90.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build-render}
runs=${2:-10}
cli=$build/stage/bin/snapvale-cli
[ -x "$cli" ] || { echo "no snapvale-cli at $cli (build it first)" >&2; exit 1; }
for tool in hyperfine vips cjpeg cc /usr/bin/time; do
    command -v "$tool" >/dev/null || { echo "$tool missing (apt-get install -y hyperfine libvips-tools imagemagick libjpeg-turbo-progs)" >&2; exit 1; }
done
# ImageMagick's own convert, whatever else stands earlier on the PATH.
magick=/usr/bin/convert
[ -x "$magick" ] || { echo "ImageMagick's convert missing: apt-get install -y imagemagick" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/snapvale-render.XXXXXX")
trap 'rm -rf "$work"' EXIT
cc -O2 -o "$work/photogen" "$here/photogen.c" -lm
"$work/photogen" 6000 4000 24 | cjpeg -quality 90 -optimize > "$work/big.jpg"
mkdir -p "$work/three"
for seed in 1 2 3; do
    "$work/photogen" 4000 3000 "$seed" | cjpeg -quality 90 -optimize > "$work/three/photo$seed.jpg"
done
for f in "$work/big.jpg" "$work"/three/*.jpg; do
    w=$(vipsheader -f width "$f") h=$(vipsheader -f height "$f") size=$(stat -c %s "$f")
    echo "$(basename "$f"): ${w} x ${h}, $size bytes, $(awk -v s="$size" -v w="$w" -v h="$h" 'BEGIN {printf "%.2f", s * 8 / (w * h)}') bits a pixel"
done

# A settings file of its own, so the person's choices do not change the result.
settings=$work/Snapvale.conf
: > "$settings"
render() { echo "'$cli' --settings '$settings' render $*"; }
out=$work/out

echo
echo "== One 24-MP photo onto a borderless 8 x 10 page at 300 DPI (2400 x 3000)"
hyperfine --warmup 1 --runs "$runs" --export-markdown "$work/one.md" --export-json "$work/one.json" \
    -n "snapvale-cli render" "$(render --template "'One Borderless 8in x 10in Print'" --dpi 300 "'$work/big.jpg'" --out "'$out-a.jpg'") 2>/dev/null" \
    -n "vips thumbnail" "vips thumbnail '$work/big.jpg' '$out-b.jpg' 2400 --height 3000 --crop centre" \
    -n "convert" "$magick '$work/big.jpg' -resize 2400x3000^ -gravity center -extent 2400x3000 '$out-c.jpg'"
cat "$work/one.md"

echo
echo "== Three 12-MP photos into \"Three 4 x 6 Prints\" at 300 DPI (1800 x 1200, 1200 x 1800, 1200 x 1800)"
p1=$work/three/photo1.jpg p2=$work/three/photo2.jpg p3=$work/three/photo3.jpg
hyperfine --warmup 1 --runs "$runs" --export-markdown "$work/three.md" --export-json "$work/three.json" \
    -n "snapvale-cli render" "$(render --template "'Three 4 x 6 Prints'" --dpi 300 "'$work/three'" --out "'$out-d.jpg'") 2>/dev/null" \
    -n "vips thumbnail x3" "vips thumbnail '$p1' '$out-e1.jpg' 1800 --height 1200 --crop centre && vips thumbnail '$p2' '$out-e2.jpg' 1200 --height 1800 --crop centre && vips thumbnail '$p3' '$out-e3.jpg' 1200 --height 1800 --crop centre" \
    -n "convert x3" "$magick '$p1' -resize 1800x1200^ -gravity center -extent 1800x1200 '$out-f1.jpg' && $magick '$p2' -resize 1200x1800^ -gravity center -extent 1200x1800 '$out-f2.jpg' && $magick '$p3' -resize 1200x1800^ -gravity center -extent 1200x1800 '$out-f3.jpg'"
cat "$work/three.md"

median_ratios() {
    python3 - "$1" <<'PY'
import json, statistics, sys
results = json.load(open(sys.argv[1]))["results"]
ours = statistics.median(results[0]["times"])
for r in results[1:]:
    print(f"  {r['command']}: median {statistics.median(r['times']) / ours:.2f} x the time of snapvale-cli render")
PY
}
echo
echo "Median ratios, one photo:"
median_ratios "$work/one.json"
echo "Median ratios, three photos:"
median_ratios "$work/three.json"

echo
echo "== Peak memory of one 24-MP photo on an 8 x 10 page at 400 DPI (3200 x 4000)"
for kind in jpg pdf; do
    /usr/bin/time -v "$cli" --settings "$settings" render --template "One Borderless 8in x 10in Print" --dpi 400 \
        "$work/big.jpg" --out "$out-mem.$kind" 2> "$work/time.txt" >/dev/null
    echo "  .$kind: $(grep 'Maximum resident' "$work/time.txt" | awk '{print int($6 / 1024)}') MB peak"
done
