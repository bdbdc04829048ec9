#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs every test; then the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, once from g++ and once from clang++, and each fuzz target for
# a while. Any failure, sanitizer report or fuzzer finding fails the run.
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

echo "== build with clang (ASan + UBSan, fuzz coverage) =="
# The whole project from clang++, in the configuration the fuzzers need: it keeps the
# project building with both compilers; its tests run after the fuzzers.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTRONIX_FUZZ=ON -DSTRONIX_BENCH=OFF \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j "$jobs"

echo "== fuzz (libFuzzer) =="
# Every tests/fuzz/<name>_fuzzer.cpp runs for a while on a copy of corpus/<name>/, so the
# tree stays as it is. A crash, a hang, a leak or a single allocation over 512 MB fails;
# the input is kept under build-fuzz/artifacts/.
fuzz_seconds=${STRONIX_FUZZ_SECONDS:-30}
mkdir -p build-fuzz/artifacts
for source in tests/fuzz/*_fuzzer.cpp; do
  name=$(basename "$source" _fuzzer.cpp)
  corpus=$(mktemp -d)
  [ -d "tests/fuzz/corpus/$name" ] && cp -R "tests/fuzz/corpus/$name/." "$corpus/"
  log="build-fuzz/artifacts/$name.log"
  if "build-fuzz/tests/fuzz/${name}_fuzzer" "$corpus" -max_total_time="$fuzz_seconds" -timeout=10 \
       -rss_limit_mb=4096 -malloc_limit_mb=512 -print_final_stats=1 \
       -artifact_prefix="build-fuzz/artifacts/$name-" >"$log" 2>&1; then
    echo "$name: $(grep -o 'number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') inputs" \
         "in ${fuzz_seconds} s, $(grep -o 'cov: [0-9]*' "$log" | tail -n 1), no failure"
    rm -rf "$corpus"
  else
    tail -n 60 "$log"
    rm -rf "$corpus"
    echo "$name: FAILED (input and log in build-fuzz/artifacts/)"
    exit 1
  fi
done

echo "== test (clang, ASan + UBSan) =="
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-fuzz --output-on-failure -j "$jobs"
