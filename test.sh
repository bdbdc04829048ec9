#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: ./test.sh          the quick loop: sets up, builds build/ (Release) and runs its tests,
#                           all but the package test; about a minute once built.
#        ./test.sh --full   what CI runs: the same tests with the package test; the suite again
#                           under AddressSanitizer and UndefinedBehaviorSanitizer from g++; the
#                           whole tree from clang++, each fuzz target for a while and every
#                           fuzz corpus replayed, and every source formatted as
#                           .clang-format says. Any failure, sanitizer report or fuzzer finding
#                           fails the run.
set -euo pipefail
cd "$(dirname "$0")"

full=false
case "${1:-}" in
  "") ;;
  --full) full=true ;;
  *) echo "usage: $0 [--full]" >&2; exit 2 ;;
esac

if $full; then ./scripts/setup full; else ./scripts/setup test; fi

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
sanitizers=(ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1)

# Configures DIR with the options that follow; a tree already configured keeps its generator.
configure() {
  local dir=$1
  shift
  local generator=(-G Ninja)
  [ -f "$dir/CMakeCache.txt" ] && generator=()
  cmake -S . -B "$dir" "${generator[@]}" "$@" >/dev/null
}

if $full; then
  echo "== format =="
  # Every source as .clang-format sets it; the files that differ are named.
  unformatted=$(git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run 2>&1 | grep -o '^[^:]*:[0-9]*:[0-9]*: warning' | cut -d: -f1 | sort -u || true)
  if [ -n "$unformatted" ]; then
    echo "not formatted with .clang-format (clang-format -i FILE):" >&2
    echo "$unformatted" >&2
    exit 1
  fi
fi

echo "== build and test (Release) =="
configure build -DCMAKE_BUILD_TYPE=Release -DSTRONIX_TESTS=ON -DSTRONIX_BENCH=ON
cmake --build build -j "$jobs"
if $full; then
  ctest --test-dir build --output-on-failure -j "$jobs"
else
  ctest --test-dir build --output-on-failure -j "$jobs" -LE package
  exit 0
fi

echo "== build and test (ASan + UBSan) =="
configure build-asan -DCMAKE_BUILD_TYPE=Debug -DSTRONIX_SANITIZE=ON -DSTRONIX_BENCH=OFF
cmake --build build-asan -j "$jobs"
env "${sanitizers[@]}" ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== build with clang (ASan + UBSan, fuzz coverage) =="
# The whole project from clang++, in the configuration the fuzzers need: it keeps the
# project building with both compilers. Its tests are the g++ ones again, so only the
# fuzz corpora run from it.
configure build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTRONIX_FUZZ=ON -DSTRONIX_BENCH=OFF \
  -DCMAKE_CXX_COMPILER=clang++
cmake --build build-fuzz -j "$jobs"

echo "== fuzz corpora (clang, ASan + UBSan) =="
env "${sanitizers[@]}" ctest --test-dir build-fuzz --output-on-failure -j "$jobs" -L fuzz

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
