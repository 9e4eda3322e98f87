#!/usr/bin/env bash
# snapvale-cli against its peers, each case in one hyperfine run, and one table of
# ratios at the end:
#
#   bench/peers.sh BUILD_DIR [OLD_BUILD_DIR]
#
# BUILD_DIR (and OLD_BUILD_DIR, an earlier build timed in the same runs) are Release
# builds holding stage/bin/snapvale-cli:
#   cmake -S . -B build-rel -G Ninja -DCMAKE_BUILD_TYPE=Release -DSNAPVALE_TESTS=OFF
#   cmake --build build-rel --target snapvale-cli
# RUNS (default 10) timed runs a command, after one warm-up; PHOTOS (default a cache
# folder) is where bench/photoset.sh makes the seeded photos once (about a minute on
# two cores). Needs hyperfine, vips and vipsthumbnail (libvips-tools), gm
# (graphicsmagick), djpeg and cjpeg (libjpeg-turbo-progs), cc, python3, /usr/bin/time.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
new=${1:?usage: peers.sh BUILD_DIR [OLD_BUILD_DIR]}
old=${2:-}
runs=${RUNS:-10}
cache=${PHOTOS:-${XDG_CACHE_HOME:-$HOME/.cache}/snapvale-bench}
for tool in hyperfine vips vipsthumbnail gm djpeg cjpeg cc python3 /usr/bin/time; do
    command -v "$tool" >/dev/null || {
        echo "$tool missing (apt-get install -y hyperfine libvips-tools graphicsmagick libjpeg-turbo-progs time)" >&2
        exit 1
    }
done
cli_new=$(cd "$new" && pwd)/stage/bin/snapvale-cli
[ -x "$cli_new" ] || { echo "no snapvale-cli in $new/stage/bin (build it first)" >&2; exit 1; }
cli_old=
if [ -n "$old" ]; then
    cli_old=$(cd "$old" && pwd)/stage/bin/snapvale-cli
    [ -x "$cli_old" ] || { echo "no snapvale-cli in $old/stage/bin" >&2; exit 1; }
fi

"$here/photoset.sh" "$cache/photos36" 36
"$here/photoset.sh" "$cache/photo24" 1 6000 4000
big=$cache/photo24/photo001.jpg
set36=("$cache/photos36"/photo*.jpg)
[ "${#set36[@]}" -eq 36 ] || { echo "expected 36 photos in $cache/photos36" >&2; exit 1; }
p1=${set36[0]} p2=${set36[1]} p3=${set36[2]}

work=$(mktemp -d "${TMPDIR:-/dev/shm}/snapvale-peers.XXXXXX")
trap 'rm -rf "$work"' EXIT
# Settings files of their own, so nobody's choices change the result.
: > "$work/new.conf"
: > "$work/old.conf"

# hyperfine arguments for "ours" (and the old build) running snapvale-cli ARGS;
# OUT in the arguments becomes a file of each build's own.
ours() {
    local label=$1
    shift
    local args=$*
    printf '%s\0' -n "$label" "'$cli_new' --settings '$work/new.conf' ${args//OUT/$work/new} 2>/dev/null"
    if [ -n "$cli_old" ]; then
        printf '%s\0' -n "$label (old)" "'$cli_old' --settings '$work/old.conf' ${args//OUT/$work/old} 2>/dev/null"
    fi
}

bench() {
    local name=$1
    shift
    echo
    echo "== $name"
    hyperfine --style basic --warmup 1 --runs "$runs" --export-json "$work/$name.json" "$@" | grep -v '^ *$' || true
}

run_case() {
    local name=$1 ours_label=$2 ours_args=$3
    shift 3
    local -a cmd=()
    while IFS= read -r -d '' a; do cmd+=("$a"); done < <(ours "$ours_label" "$ours_args")
    bench "$name" "${cmd[@]}" "$@"
}

q() { printf "'%s' " "$@"; }

run_case one "snapvale-cli render" \
    "render --template 'One Borderless 8in x 10in Print' --dpi 300 '$big' --out OUT-one.jpg" \
    -n "vips thumbnail" "vips thumbnail '$big' '$work/vips-one.jpg[Q=90]' 2400 --height 3000 --crop centre"

# The slots are 1800 x 1200 and twice 1200 x 1800.
run_case three "snapvale-cli render" \
    "render --template 'Three 4 x 6 Prints' --dpi 300 $(q "$p1" "$p2" "$p3") --out OUT-three.jpg" \
    -n "vips thumbnail x3" "vips thumbnail '$p1' '$work/v1.jpg[Q=90]' 1800 --height 1200 --crop centre && vips thumbnail '$p2' '$work/v2.jpg[Q=90]' 1200 --height 1800 --crop centre && vips thumbnail '$p3' '$work/v3.jpg[Q=90]' 1200 --height 1800 --crop centre"

# The 36 frames of the strip sheet at 200 DPI against a 6 x 6 contact sheet of about the
# same size: gm montage, and vipsthumbnail on two processes (one a core) joined by vips.
mkdir -p "$work/thumbs"
half1=$(q "${set36[@]:0:18}") half2=$(q "${set36[@]:18}")
thumbs=$(for f in "${set36[@]}"; do printf '%s ' "$work/thumbs/$(basename "$f" .jpg).jpg"; done)
run_case sheet "snapvale-cli render" \
    "render --template 'Index Sheet (Negative Strip) - 36 Prints' --dpi 200 $(q "${set36[@]}") --out OUT-sheet.jpg" \
    -n "gm montage" "gm montage -geometry 258x326+4+4 -tile 6x6 $(q "${set36[@]}") '$work/gm.jpg'" \
    -n "vipsthumbnail x2 + vips arrayjoin" "{ vipsthumbnail $half1 --size 258x326 -o '$work/thumbs/%s.jpg' & vipsthumbnail $half2 --size 258x326 -o '$work/thumbs/%s.jpg'; wait; } && vips arrayjoin '$thumbs' '$work/vips-sheet.jpg' --across 6 --shim 8"

run_case decode "snapvale-cli decode" "decode '$p1' OUT.ppm" \
    -n "djpeg -ppm" "djpeg -ppm -outfile '$work/djpeg.ppm' '$p1'"
cmp -s "$work/new.ppm" "$work/djpeg.ppm" || echo "warning: snapvale-cli decode and djpeg made different PPMs" >&2

# The start of a command that draws no text (against the old build when given).
run_case startup "snapvale-cli templates" "templates"

# Peak memory of the 24-MP photo on the 8 x 10 page at 400 DPI (3200 x 4000).
peak() { /usr/bin/time -v "$@" 2> "$work/time.txt" >/dev/null; awk '/Maximum resident/ {print int($6 / 1024)}' "$work/time.txt"; }
mem_new=$(peak "$cli_new" --settings "$work/new.conf" render --template "One Borderless 8in x 10in Print" --dpi 400 "$big" --out "$work/new-mem.jpg")
mem_old=
[ -n "$cli_old" ] && mem_old=$(peak "$cli_old" --settings "$work/old.conf" render --template "One Borderless 8in x 10in Print" --dpi 400 "$big" --out "$work/old-mem.jpg")
mem_vips=$(peak vips thumbnail "$big" "$work/vips-mem.jpg[Q=90]" 3200 --height 4000 --crop centre)

echo
echo "== Ratios (median of the peer or old build / median of snapvale-cli; above 1: we are faster)"
echo "   load average at the end: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores, $runs runs a command"
python3 - "$work" "$mem_new" "$mem_old" "$mem_vips" <<'PY'
import json, statistics, sys
work, mem_new, mem_old, mem_vips = sys.argv[1:5]
cases = [("one", "24-MP JPEG, One Borderless 8 x 10 at 300 DPI"),
         ("three", "three 12-MP JPEGs, Three 4 x 6 Prints at 300 DPI"),
         ("sheet", "36 12-MP JPEGs, Index Sheet (Negative Strip) at 200 DPI"),
         ("decode", "decode a 12-MP JPEG to PPM"),
         ("startup", "start-up: templates")]
rows = [("case", "ours (ms)", "against", "their ms", "ratio")]
for key, title in cases:
    results = json.load(open(f"{work}/{key}.json"))["results"]
    ours = statistics.median(results[0]["times"])
    rows.append((title, f"{ours * 1000:.0f}", "", "", ""))
    for r in results[1:]:
        m = statistics.median(r["times"])
        rows.append(("", "", r["command"], f"{m * 1000:.0f}", f"{m / ours:.2f}"))
rows.append(("peak memory, 24-MP photo on 8 x 10 at 400 DPI (MB)", mem_new, "vips thumbnail", mem_vips,
             f"{int(mem_vips) / int(mem_new):.2f}"))
if mem_old:
    rows.append(("", "", "old build", mem_old, f"{int(mem_old) / int(mem_new):.2f}"))
widths = [max(len(r[i]) for r in rows) for i in range(5)]
for n, r in enumerate(rows):
    print("| " + " | ".join(c.ljust(widths[i]) for i, c in enumerate(r)) + " |")
    if n == 0:
        print("|" + "|".join("-" * (w + 2) for w in widths) + "|")
PY
