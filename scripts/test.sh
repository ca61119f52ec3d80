#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and UndefinedBehavior-
# Sanitizer and warnings as errors, runs every test, then runs the threaded tests again under
# ThreadSanitizer and checks the formatting.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLUMICORD_ASAN=ON -DLUMICORD_WERROR=ON
cmake --build build/asan -j "$jobs"
ctest --test-dir build/asan --output-on-failure -j "$jobs"

cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMICORD_TSAN=ON \
    -DLUMICORD_WERROR=ON -DLUMICORD_BUILD_UI=OFF -DLUMICORD_BUILD_BENCH=OFF
cmake --build build/tsan -j "$jobs"
# TSan needs a fixed address layout on kernels with high mmap randomisation.
setarch "$(uname -m)" -R ctest --test-dir build/tsan -L threaded --output-on-failure -j "$jobs"

scripts/check-format.sh
echo "All tests passed."
