#!/usr/bin/env bash
# The checks CI adds to the test command: the test suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a short run of every fuzz target on its corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || {
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y -qq --no-install-recommends "$p"
  }
done

FUZZ_SECONDS=${FUZZ_SECONDS:-30}
JOBS=$(nproc)

echo "== Sanitizer build and tests"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSNAPVALE_SANITIZE=ON
cmake --build build-asan --parallel "$JOBS"
# Qt and fontconfig keep caches alive until exit; leak reports there are not ours.
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure --parallel "$JOBS"

# A single input may decode a picture of hundreds of megapixels under ASan, which is
# slow but legal: the limits are generous so only real faults stop CI.
echo "== Fuzz targets, ${FUZZ_SECONDS}s each"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSNAPVALE_FUZZ=ON -DSNAPVALE_SANITIZE=ON -DSNAPVALE_TESTS=OFF
cmake --build build-fuzz --parallel "$JOBS"
status=0
for target in build-fuzz/fuzz/*_fuzz; do
  [ -x "$target" ] || continue
  name=$(basename "$target" _fuzz)
  corpus=fuzz/corpus/$name
  work=$(mktemp -d)
  [ -d "$corpus" ] && cp -r "$corpus"/. "$work"/
  echo "-- $name"
  if ! ASAN_OPTIONS=detect_leaks=0 "$target" -max_total_time="$FUZZ_SECONDS" -timeout=60 -rss_limit_mb=4096 \
       -print_final_stats=1 -artifact_prefix="$work/" "$work" 2>"$work.log"; then
    echo "fuzz target $name found a problem:"; tail -40 "$work.log"; status=1
  else
    grep -E 'stat::number_of_executed_units' "$work.log" || true
  fi
  rm -rf "$work" "$work.log"
done
exit $status
