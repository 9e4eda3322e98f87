#!/usr/bin/env bash
# Album page speed: `snapvale-cli album-page` drawing the 4 x 4 preview (450 x 400, as
# the album editor's preview area) of an album of sixteen distinct 12-MP JPEGs, against
# `vipsthumbnail` making the sixteen cell pictures (100 x 95) from the same files, in one
# hyperfine run, and our peak memory.
#
#   bench/albumpage.sh [BUILD_DIR] [RUNS] [PHOTO_DIR]
#
# BUILD_DIR defaults to build-speed beside this folder (a Release build), RUNS to 10,
# PHOTO_DIR to a cache folder where bench/photoset.sh makes the seeded photos once
# (about 20 s on two cores). Needs hyperfine, vipsthumbnail (libvips-tools), python3,
# /usr/bin/time, cjpeg and cc.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build-speed}
runs=${2:-10}
photos=${3:-${XDG_CACHE_HOME:-$HOME/.cache}/snapvale-bench/photos16}
cli=$build/stage/bin/snapvale-cli
[ -x "$cli" ] || { echo "no snapvale-cli at $cli (build it first, -DCMAKE_BUILD_TYPE=Release)" >&2; exit 1; }
for tool in hyperfine vipsthumbnail vipsheader python3 /usr/bin/time; do
    command -v "$tool" >/dev/null || {
        echo "$tool missing (apt-get install -y hyperfine libvips-tools libjpeg-turbo-progs time)" >&2
        exit 1
    }
done

"$here/photoset.sh" "$photos" 16
files=("$photos"/photo*.jpg)
[ "${#files[@]}" -eq 16 ] || { echo "expected 16 photos in $photos" >&2; exit 1; }
total=0
for f in "${files[@]}"; do total=$((total + $(stat -c %s "$f"))); done
echo "16 photos in $photos: $(vipsheader -f width "${files[0]}") x $(vipsheader -f height "${files[0]}") (every fifth standing), $((total / 16 / 1024)) KiB on average"

work=$(mktemp -d "${TMPDIR:-/tmp}/snapvale-albumpage.XXXXXX")
trap 'rm -rf "$work"' EXIT
settings=$work/Snapvale.conf
: > "$settings"
# The album file lists each photo by name and folder, as the album editor writes it.
album=$work/bench.pho
{
    printf '[PM Album Title Bench]\r\n'
    n=0
    for f in "${files[@]}"; do
        n=$((n + 1))
        printf '[PM Image File %05d] root: %s path=%s\r\n' "$n" "$(basename "$f")" "$(dirname "$f")"
    done
} > "$album"
quoted=$(printf "'%s' " "${files[@]}")
mkdir -p "$work/thumbs"

# 450 x 400 in four columns and rows: cells of 100 x 95 (no captions).
ours="'$cli' --settings '$settings' album-page '$album' --layout '4 x 4' --size 450x400 --out '$work/ours.jpg' 2>/dev/null"
vips_cmd="vipsthumbnail $quoted --size 100x95 -o '$work/thumbs/%s.jpg'"

eval "$ours" >/dev/null
[ "$(vipsheader -f width "$work/ours.jpg")x$(vipsheader -f height "$work/ours.jpg")" = 450x400 ] || {
    echo "snapvale-cli album-page did not write a 450 x 400 page" >&2
    exit 1
}

echo
echo "== 4 x 4 album page preview (450 x 400) of 16 x 12-MP photos"
hyperfine --warmup 1 --runs "$runs" --export-markdown "$work/page.md" --export-json "$work/page.json" \
    -n "snapvale-cli album-page" "$ours" -n "vipsthumbnail (16 cells)" "$vips_cmd"
cat "$work/page.md"
echo
echo "Median ratio (theirs / ours):"
python3 - "$work/page.json" <<'PY'
import json, statistics, sys
results = json.load(open(sys.argv[1]))["results"]
ours = statistics.median(results[0]["times"])
print(f"  snapvale-cli album-page: median {ours:.3f} s")
for r in results[1:]:
    m = statistics.median(r["times"])
    print(f"  {r['command']}: median {m:.3f} s = {m / ours:.2f} x ours")
PY

echo
echo "== Peak memory of snapvale-cli on the same page"
/usr/bin/time -v "$cli" --settings "$settings" album-page "$album" --layout "4 x 4" --size 450x400 \
    --out "$work/ours.jpg" 2> "$work/time.txt" >/dev/null
echo "  $(grep 'Maximum resident' "$work/time.txt" | awk '{print int($6 / 1024)}') MB peak"
