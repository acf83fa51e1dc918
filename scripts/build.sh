#!/usr/bin/env bash
# Configures and builds into ./build (safe to run again: builds incrementally).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build build --parallel 2
