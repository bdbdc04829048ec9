#!/usr/bin/env bash
# Sets up, builds, and converts the bundled sample book into out/sample/.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)"

book=samples/zegarmistrz.txt
out=out/sample
mkdir -p "$out"
rm -f "$out"/*.gif
./build/cli/stronix-cli convert "$book" -o "$out"
pages=$(find "$out" -maxdepth 1 -name '*.gif' | wc -l)
echo "The sample book $book is now $pages GIF files (0000.gif is the title page) in $(pwd)/$out/"
