#!/usr/bin/env bash
# Builds the table engine and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in ./build-asan and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --extra
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZENDROVA_SANITIZE=ON \
  -DZENDROVA_ENGINE_ONLY=ON -DZENDROVA_BENCH=OFF "$@"
cmake --build build-asan --parallel 2
cd build-asan
ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure --parallel 2
