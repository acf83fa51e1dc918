#!/usr/bin/env bash
# Builds the libFuzzer targets of the file readers with clang in ./build-fuzz
# and runs each for the given number of seconds (default 180), seeded from
# the fixtures and the template tables.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-180}"
scripts/deps.sh --extra
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZENDROVA_FUZZ=ON -DZENDROVA_ENGINE_ONLY=ON -DZENDROVA_BENCH=OFF
cmake --build build-fuzz --parallel 2
for binary in build-fuzz/bin/fuzz_*; do
  [ -x "$binary" ] || continue
  target="$(basename "$binary")"
  kind="${target#fuzz_}"
  corpus="build-fuzz/corpus/$kind"
  mkdir -p "$corpus"
  case "$kind" in
    table) cp -n fuzz/seeds/*.dbf build-fuzz/bin/*.dbf "$corpus"/ 2>/dev/null || true ;;
    memo) cp -n fuzz/seeds/*.dbt build-fuzz/bin/*.dbt "$corpus"/ 2>/dev/null || true ;;
    *) [ -d "fuzz/seeds/$kind" ] && cp -n "fuzz/seeds/$kind"/* "$corpus"/ 2>/dev/null || true ;;
  esac
  echo "== $target for ${seconds}s"
  "$binary" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
    -artifact_prefix="build-fuzz/$target-" "$corpus"
done
