#!/usr/bin/env bash
# Builds a release tree of its own (build/bench, so run.sh's build/release keeps its settings)
# and runs every benchmark in it, printing their figures.
# The link benchmarks make their own network namespace and need root.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# The UI is built too: the grid benchmark paints on Qt's offscreen platform.
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMICORD_BUILD_UI=ON \
    -DLUMICORD_BUILD_TESTS=OFF -DLUMICORD_WERROR=ON
cmake --build build/bench -j "$(nproc)"
for bench in build/bench/bench/bench_*; do
    [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    "$bench"
done
