#!/usr/bin/env bash
# The layout setup sheet's re-draw against `snapvale-cli render` of the same page:
# three 12-MP JPEGs in "Three 4 x 6 Prints" at 300 DPI. The sheet must have the page
# and its preview back within the command line's time plus 100 ms.
#
#   bench/setupsheet.sh [BUILD_DIR] [RUNS]
#
# BUILD_DIR defaults to build-render beside this folder (a Release build), RUNS to 10.
# Needs hyperfine, cjpeg and cc.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build-render}
runs=${2:-10}
cli=$build/stage/bin/snapvale-cli
[ -x "$cli" ] || { echo "no snapvale-cli at $cli (build it first)" >&2; exit 1; }
cmake --build "$build" --target sheet-redraw-bench >/dev/null
sheet=$build/stage/bin/sheet-redraw-bench
for tool in hyperfine cjpeg cc; do
    command -v "$tool" >/dev/null || { echo "$tool missing (apt-get install -y hyperfine libjpeg-turbo-progs)" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/snapvale-sheet.XXXXXX")
trap 'rm -rf "$work"' EXIT
cc -O2 -o "$work/photogen" "$here/photogen.c" -lm
mkdir -p "$work/three"
for seed in 1 2 3; do
    "$work/photogen" 4000 3000 "$seed" | cjpeg -quality 90 -optimize > "$work/three/photo$seed.jpg"
done
: > "$work/Snapvale.conf"

echo "== snapvale-cli render, the same page to a JPEG"
hyperfine --warmup 1 --runs "$runs" --export-json "$work/cli.json" \
    -n "snapvale-cli render" \
    "'$cli' --settings '$work/Snapvale.conf' render --template 'Three 4 x 6 Prints' --dpi 300 '$work/three' --out '$work/page.jpg' 2>/dev/null"
cli_ms=$(python3 -c "import json,sys; print('%.1f' % (json.load(open('$work/cli.json'))['results'][0]['median'] * 1000))")

echo
echo "== the sheet's re-draw (page and preview), $runs runs after one to warm up"
QT_QPA_PLATFORM=offscreen "$sheet" "$runs" "$work"/three/*.jpg > "$work/sheet.txt"
sheet_ms=$(sed -n 's/^median \([0-9.]*\) ms$/\1/p' "$work/sheet.txt")
echo "snapvale-cli render median: $cli_ms ms"
echo "sheet re-draw median:       $sheet_ms ms"
python3 -c "
cli, sheet = $cli_ms, $sheet_ms
print('sheet - render = %.1f ms (goal: at most 100 ms)' % (sheet - cli))
print('within the goal' if sheet <= cli + 100 else 'OVER the goal')"
