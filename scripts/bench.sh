#!/usr/bin/env bash
# Builds a release tree (build/release) and runs every benchmark in it, printing their figures.
# The link benchmarks make their own network namespace and need root.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# The UI is built too: the grid benchmark paints on Qt's offscreen platform.
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMICORD_BUILD_UI=ON \
    -DLUMICORD_BUILD_TESTS=OFF -DLUMICORD_WERROR=ON
cmake --build build/release -j "$(nproc)"
for bench in build/release/bench/bench_*; do
    [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    "$bench"
done
