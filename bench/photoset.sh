#!/usr/bin/env bash
# A seeded set of distinct photo-like JPEGs, the same bytes for the same arguments:
#
#   bench/photoset.sh DIR [COUNT] [WIDTH] [HEIGHT] [QUALITY]
#
# COUNT photos (default 36) of WIDTH x HEIGHT (default 4000 x 3000, 12 MP) from
# bench/photogen.c with seeds 1..COUNT, every fifth one standing (HEIGHT x WIDTH) as
# cameras store turned shots. cjpeg at QUALITY (default 92) gives about 3.3 to 3.5 MB
# a 12-MP photo. Photos already present are kept, so a second call costs nothing.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
dir=${1:?usage: photoset.sh DIR [COUNT] [WIDTH] [HEIGHT] [QUALITY]}
count=${2:-36} width=${3:-4000} height=${4:-3000} quality=${5:-92}
for tool in cc cjpeg; do
    command -v "$tool" >/dev/null || { echo "$tool missing (apt-get install -y gcc libjpeg-turbo-progs)" >&2; exit 1; }
done
mkdir -p "$dir"
gen=$dir/.photogen
[ -x "$gen" ] || cc -O2 -o "$gen" "$here/photogen.c" -lm

make_one() {
    local seed=$1 w=$width h=$height
    if (( seed % 5 == 0 )); then w=$height h=$width; fi
    local out
    out=$(printf '%s/photo%03d.jpg' "$dir" "$seed")
    [ -s "$out" ] && return 0
    "$gen" "$w" "$h" "$seed" | cjpeg -quality "$quality" -optimize > "$out.part"
    mv "$out.part" "$out"
}

# Two at a time: the machine has two cores.
jobs=0
for ((seed = 1; seed <= count; ++seed)); do
    make_one "$seed" &
    if (( ++jobs % 2 == 0 )); then wait; fi
done
wait
