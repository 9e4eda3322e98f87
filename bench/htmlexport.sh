#!/usr/bin/env bash
# HTML image list export speed: `snapvale-cli html-export` over a folder of 300
# distinct 12-MP JPEGs (every photo's pixel size in the table) against `vipsheader`
# printing the size of the same 300 files, in one hyperfine run.
#
#   bench/htmlexport.sh [BUILD_DIR] [RUNS] [PHOTO_DIR]
#
# BUILD_DIR defaults to build-speed beside this folder (a Release build), RUNS to 10,
# PHOTO_DIR to a cache folder where bench/photoset.sh makes the seeded photos once
# (about 3 minutes on two cores, 1.1 GB). With BEFORE_CLI set to another snapvale-cli
# (say, a build of an older commit) that one is timed once as well, over the same folder.
# Installs hyperfine and vipsheader (libvips-tools) when they are missing; photoset.sh
# needs cjpeg (libjpeg-turbo-progs) and cc.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build-speed}
runs=${2:-10}
photos=${3:-${XDG_CACHE_HOME:-$HOME/.cache}/snapvale-bench/photos300}
cli=$build/stage/bin/snapvale-cli
[ -x "$cli" ] || { echo "no snapvale-cli at $cli (build it first, -DCMAKE_BUILD_TYPE=Release)" >&2; exit 1; }

missing=()
command -v hyperfine >/dev/null || missing+=(hyperfine)
command -v vipsheader >/dev/null || missing+=(libvips-tools)
command -v cjpeg >/dev/null || missing+=(libjpeg-turbo-progs)
if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    echo "Installing: ${missing[*]}" >&2
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
for tool in hyperfine vipsheader python3 cc; do
    command -v "$tool" >/dev/null || { echo "$tool missing" >&2; exit 1; }
done

"$here/photoset.sh" "$photos" 300
files=("$photos"/photo*.jpg)
[ "${#files[@]}" -eq 300 ] || { echo "expected 300 photos in $photos" >&2; exit 1; }
total=0
for f in "${files[@]}"; do total=$((total + $(stat -c %s "$f"))); done
echo "300 photos in $photos: 4000 x 3000 (every fifth standing), $((total / 300 / 1024)) KiB on average"

work=$(mktemp -d "${TMPDIR:-/tmp}/snapvale-htmlexport.XXXXXX")
trap 'rm -rf "$work"' EXIT
settings=$work/Snapvale.conf
: > "$settings"
quoted=$(printf "'%s' " "${files[@]}")
ours="'$cli' --settings '$settings' html-export '$photos' --out '$work/list.htm' >/dev/null 2>&1"
theirs="vipsheader $quoted >/dev/null"

# The page must give every photo the size vipsheader reads.
eval "$ours"
python3 - "$work/list.htm" "${files[@]}" <<'PY' || exit 1
import re, subprocess, sys
page, files = open(sys.argv[1], encoding="utf-8").read(), sys.argv[2:]
ours = dict(re.findall(r'<small>([^<]+\.jpg)</small></td><td width="13%"><p align="center"><small>\[(\d+ x \d+)\]', page))
out = subprocess.run(["vipsheader"] + files, capture_output=True, text=True, check=True).stdout
theirs = {m[0]: f"{m[1]} x {m[2]}" for m in re.findall(r"^(.+): (\d+)x(\d+) ", out, re.M)}
bad = [f for f in files if ours.get(f) != theirs.get(f)]
if bad:
    print(f"sizes differ from vipsheader's for {len(bad)} photos, e.g. {bad[0]}: {ours.get(bad[0])} against {theirs.get(bad[0])}")
    sys.exit(1)
print(f"all {len(files)} sizes agree with vipsheader's")
PY

echo
echo "== Pixel sizes of 300 x 12-MP photos"
hyperfine --warmup 2 --runs "$runs" --export-markdown "$work/sizes.md" --export-json "$work/sizes.json" \
    -n "snapvale-cli html-export" "$ours" -n "vipsheader" "$theirs"
cat "$work/sizes.md"
echo
python3 - "$work/sizes.json" <<'PY'
import json, statistics, sys
results = json.load(open(sys.argv[1]))["results"]
ours, theirs = (statistics.median(r["times"]) for r in results)
print(f"Medians: snapvale-cli html-export {ours * 1000:.1f} ms, vipsheader {theirs * 1000:.1f} ms;"
      f" ours = {ours / theirs:.2f} x vipsheader's")
PY

if [ -n "${BEFORE_CLI:-}" ]; then
    echo
    echo "== The same export with $BEFORE_CLI, once"
    /usr/bin/time -o "$work/before.time" -f "%e s elapsed, %U s user, %M KB peak" \
        "$BEFORE_CLI" --settings "$settings" html-export "$photos" --out "$work/before.htm" >/dev/null 2>&1
    cat "$work/before.time"
fi
