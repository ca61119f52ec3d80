#!/usr/bin/env bash
# Installs what is missing, builds Lumicord and starts it from its program directory.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLUMICORD_BUILD_TESTS=OFF -DLUMICORD_BUILD_BENCH=OFF >/dev/null
cmake --build build/release --target lumicord lumicord_runtime
exec build/release/bin/lumicord "$@"
