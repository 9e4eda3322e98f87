#!/usr/bin/env bash
# Index sheet speed: `snapvale-cli render` of the 36-frame negative strip sheet at
# 200 DPI (a 1600 x 2000 page of 36 small frames) from 36 distinct 12-MP JPEGs,
# against GraphicsMagick's and ImageMagick's montage and a libvips pipeline making a
# 6 x 6 contact sheet of about the same size, in one hyperfine run, and our peak memory.
#
#   bench/indexsheet.sh [BUILD_DIR] [RUNS] [PHOTO_DIR]
#
# BUILD_DIR defaults to build-speed beside this folder (a Release build), RUNS to 10,
# PHOTO_DIR to a cache folder where bench/photoset.sh makes the seeded photos once
# (about 40 s on two cores). Needs hyperfine, gm (graphicsmagick), vips and
# vipsthumbnail (libvips-tools), montage (imagemagick), cjpeg and cc.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build-speed}
runs=${2:-10}
photos=${3:-${XDG_CACHE_HOME:-$HOME/.cache}/snapvale-bench/photos36}
cli=$build/stage/bin/snapvale-cli
[ -x "$cli" ] || { echo "no snapvale-cli at $cli (build it first, -DCMAKE_BUILD_TYPE=Release)" >&2; exit 1; }
for tool in hyperfine gm vips vipsthumbnail python3 /usr/bin/time; do
    command -v "$tool" >/dev/null || {
        echo "$tool missing (apt-get install -y hyperfine graphicsmagick libvips-tools imagemagick libjpeg-turbo-progs time)" >&2
        exit 1
    }
done
magick_montage=/usr/bin/montage

"$here/photoset.sh" "$photos" 36
files=("$photos"/photo*.jpg)
[ "${#files[@]}" -eq 36 ] || { echo "expected 36 photos in $photos" >&2; exit 1; }
total=0
for f in "${files[@]}"; do total=$((total + $(stat -c %s "$f"))); done
echo "36 photos in $photos: $(vipsheader -f width "${files[0]}") x $(vipsheader -f height "${files[0]}") (every fifth standing), $((total / 36 / 1024)) KiB on average"

work=$(mktemp -d "${TMPDIR:-/tmp}/snapvale-indexsheet.XXXXXX")
trap 'rm -rf "$work"' EXIT
settings=$work/Snapvale.conf
: > "$settings"
quoted=$(printf "'%s' " "${files[@]}")
# Frames of 258 x 326 with a 4-pixel gap: a 6 x 6 sheet of 1596 x 2004 pixels.
geometry=258x326+4+4
mkdir -p "$work/thumbs"
thumbs=$(for f in "${files[@]}"; do b=$(basename "$f" .jpg); printf '%s ' "$work/thumbs/$b.jpg"; done)

ours="'$cli' --settings '$settings' render --template 'Index Sheet (Negative Strip) - 36 Prints' --dpi 200 $quoted --out '$work/ours.jpg' 2>/dev/null"
gm_cmd="gm montage -geometry $geometry -tile 6x6 $quoted '$work/gm.jpg'"
vips_cmd="vipsthumbnail $quoted --size 258x326 -o '$work/thumbs/%s.jpg' && vips arrayjoin '$thumbs' '$work/vips.jpg' --across 6 --shim 8"
im_cmd="$magick_montage -geometry $geometry -tile 6x6 $quoted '$work/im.jpg'"

commands=(-n "snapvale-cli render" "$ours" -n "gm montage" "$gm_cmd" -n "vipsthumbnail + vips arrayjoin" "$vips_cmd")
# ImageMagick's montage fails outright under Debian's default resource policy (the
# 36 decoded photos exceed its memory and disk limits); it is timed only when it works.
if [ -x "$magick_montage" ] && eval "$im_cmd" >/dev/null 2>"$work/im.err"; then
    commands+=(-n "ImageMagick montage" "$im_cmd")
else
    echo "ImageMagick montage left out: $(head -c 300 "$work/im.err" 2>/dev/null || echo 'not installed')"
fi

echo
echo "== 36 x 12-MP photos onto one contact sheet (about 1600 x 2000)"
hyperfine --warmup 1 --runs "$runs" --export-markdown "$work/sheet.md" --export-json "$work/sheet.json" "${commands[@]}"
cat "$work/sheet.md"
echo
echo "Median ratios (their median / ours):"
python3 - "$work/sheet.json" <<'PY'
import json, statistics, sys
results = json.load(open(sys.argv[1]))["results"]
ours = statistics.median(results[0]["times"])
print(f"  snapvale-cli render: median {ours:.3f} s")
for r in results[1:]:
    m = statistics.median(r["times"])
    print(f"  {r['command']}: median {m:.3f} s = {m / ours:.2f} x ours")
PY

echo
echo "== Peak memory of snapvale-cli on the same sheet"
/usr/bin/time -v "$cli" --settings "$settings" render --template "Index Sheet (Negative Strip) - 36 Prints" --dpi 200 \
    "${files[@]}" --out "$work/ours.jpg" 2> "$work/time.txt" >/dev/null
echo "  $(grep 'Maximum resident' "$work/time.txt" | awk '{print int($6 / 1024)}') MB peak"
