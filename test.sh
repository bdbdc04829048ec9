#!/usr/bin/env bash
# Sets up, builds and runs every test; then the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer. Any failure or sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== build and test (Release) =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== build and test (ASan + UBSan) =="
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSTRONIX_SANITIZE=ON -DSTRONIX_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"
