#!/usr/bin/env bash
# Folder scan speed: `snapvale-cli list DIR` (list, filter by extension, sort)
# against `ls -f DIR | sort -f` over the same folder, in one hyperfine run.
#
#   bench/scan.sh [BUILD_DIR] [COUNT]
#
# BUILD_DIR defaults to build-imagelist beside this folder, COUNT to 50000 photo
# files (empty files with photo extensions in mixed case), plus a tenth as many
# other files that the scan must skip.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build-imagelist}
count=${2:-50000}
cli=$build/stage/bin/snapvale-cli
[ -x "$cli" ] || { echo "no snapvale-cli at $cli (build it first)" >&2; exit 1; }
command -v hyperfine >/dev/null || { echo "hyperfine missing: apt-get install -y hyperfine" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/snapvale-scan.XXXXXX")
trap 'rm -rf "$work"' EXIT
dir=$work/photos
mkdir -p "$dir"

# A settings file of its own, so the person's switches do not change the result.
settings=$work/Snapvale.conf
: > "$settings"

exts=(jpg JPG jpeg png PNG gif bmp tif TIFF tga pcx Jpg)
others=(txt THM xmp db)
(
    cd "$dir"
    for ((i = 0; i < count; i++)); do
        printf 'IMG_%05d_%s.%s\0' $(( (i * 7919) % count )) "$((i % 13))" "${exts[i % ${#exts[@]}]}"
    done | xargs -0 touch
    for ((i = 0; i < count / 10; i++)); do
        printf 'note_%05d.%s\0' "$i" "${others[i % ${#others[@]}]}"
    done | xargs -0 touch
    mkdir -p sub.jpg
)

listed=$("$cli" --settings "$settings" list "$dir" | wc -l)
echo "files: $(ls -f "$dir" | wc -l) entries, snapvale-cli lists $listed photos"

# The third command is the program start alone (an empty folder), to show how
# much of the first one is the scan itself.
mkdir -p "$work/empty"
hyperfine --warmup 2 --min-runs 15 --export-json "$work/result.json" \
    -n "snapvale-cli list" "'$cli' --settings '$settings' list '$dir' > /dev/null" \
    -n "ls -f | sort -f" "ls -f '$dir' | sort -f > /dev/null" \
    -n "snapvale-cli list (empty folder)" "'$cli' --settings '$settings' list '$work/empty' > /dev/null"

python3 - "$work/result.json" <<'PY'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
peer = next(r for r in results if r["command"] == "ls -f | sort -f")["median"]
print("%-34s %10s %8s" % ("command", "median", "x peer"))
for r in results:
    print("%-34s %8.1f ms %8.2f" % (r["command"], r["median"] * 1000, r["median"] / peer))
PY
