#!/usr/bin/env bash
# Sets up, builds, and writes a demonstration GIF.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)"
echo "Built. The conversion command arrives with the book-conversion work."
