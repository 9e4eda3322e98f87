#!/usr/bin/env bash
# Installs what is missing, builds Snapvale and starts it on its bundled sample photos.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$BUILD_DIR" --parallel "$(nproc)"
exec "$BUILD_DIR/stage/bin/snapvale" "$BUILD_DIR/stage/share/snapvale/Images" "$@"
