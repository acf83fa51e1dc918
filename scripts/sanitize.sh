#!/usr/bin/env bash
# Builds the whole program and every test suite with AddressSanitizer and
# UndefinedBehaviorSanitizer in ./build-asan and runs them headless.
# Safe to run again: configures and builds incrementally.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/deps.sh --extra

# Also in effect while building: test discovery runs every test program.
# Leaks in the display, font and session-bus libraries are not ours.
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1
export LSAN_OPTIONS=suppressions=$root/tests/sanitizer/leaks.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

# ENGINE_ONLY stated: a folder configured by an earlier engine-only run would keep it.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZENDROVA_SANITIZE=ON \
  -DZENDROVA_ENGINE_ONLY=OFF -DZENDROVA_BENCH=OFF "$@"
cmake --build build-asan --parallel 2
cd build-asan
# Instrumented code runs several times slower: a test that starts the program
# or waits on another process gets room for that here.
ctest --output-on-failure --parallel 2 --timeout 900
