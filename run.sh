#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds the two programs, and converts the bundled sample book into out/sample/.
# The build's own output goes to build/run.log and is shown only when the build fails.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup run

mkdir -p build
log=build/run.log
show_log_and_fail() {
  echo >&2
  echo "$1; the end of $log:" >&2
  tail -n 40 "$log" >&2
  exit 1
}

echo "Building stronix-cli and stronix (the first time takes a few minutes; log in $log)"
# A new build/ has no tests and benchmarks (./test.sh adds them); one already made keeps its
# settings.
configure=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DSTRONIX_TESTS=OFF -DSTRONIX_BENCH=OFF)
[ -f build/CMakeCache.txt ] && configure=()
cmake -S . -B build "${configure[@]}" >"$log" 2>&1 || show_log_and_fail "Configuring failed"
cmake --build build --target stronix-cli stronix -j "$(nproc)" >>"$log" 2>&1 &
build=$!
# On a terminal, one line that counts the build steps ("[12/80]") as they finish.
if [ -t 1 ]; then
  while kill -0 "$build" 2>/dev/null; do
    step=$(tail -n 3 "$log" | grep -o '^\[[0-9]*/[0-9]*\]' | tail -n 1 || true)
    printf '\r  building %s ' "$step"
    sleep 1
  done
  printf '\r'
fi
wait "$build" || show_log_and_fail "The build failed"
echo "  built build/cli/stronix-cli and build/app/windows/stronix"

book=samples/zegarmistrz.txt
out=out/sample
mkdir -p "$out"
./build/cli/stronix-cli convert "$book" -o "$out"
pages=$(find "$out" -maxdepth 1 -name '*.gif' | wc -l)
echo "The sample book $book is now $pages GIF files (0000.gif is the title page) in $(pwd)/$out/"
