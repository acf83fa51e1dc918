#!/usr/bin/env bash
# Builds the libFuzzer targets of the file readers with clang in ./build-fuzz and runs each
# for the given number of seconds (default 180), starting from a fresh copy of its seeds
# (fuzz/seeds/<area>, where fuzz/<area> holds the target), then prints every target's
# coverage at the start and at the end. Logs and crash inputs land in build-fuzz/.
#   scripts/fuzz.sh [SECONDS]
#   scripts/fuzz.sh --write-seeds    rewrites the generated seeds (fuzz/seeds/README.md)
set -euo pipefail
cd "$(dirname "$0")/.."

build() {
  scripts/deps.sh --extra
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZENDROVA_FUZZ=ON -DZENDROVA_BENCH=OFF >/dev/null
  cmake --build build-fuzz --parallel 2 --target "$@"
}

write_seeds() {
  build seedwriter
  build-fuzz/bin/seedwriter fuzz/seeds
  cp tests/data/Cards60.mdx fuzz/seeds/index/
  cp tests/data/settings/*.dat tests/data/settings/*.lst fuzz/seeds/settings/
  cp tests/data/templates/Broken*.tml fuzz/seeds/templates/
}

# The fuzz/ folder whose CMakeLists.txt adds the target.
area_of() {
  local list
  list="$(grep -l "zendrova_add_fuzzer($1 " fuzz/*/CMakeLists.txt | head -n 1)"
  basename "$(dirname "$list")"
}

# "cov: N ft: M" of the last libFuzzer status line in the log that matches the pattern.
coverage() {
  grep -E "$2" "$1" | grep -oE "cov: [0-9]+ ft: [0-9]+" | tail -n 1 | grep . || echo "cov: ? ft: ?"
}

fuzz_one() {
  local binary="$1" target kind corpus log seeds max_len status=0
  target="$(basename "$binary")"
  kind="$(area_of "$target")"
  seeds="fuzz/seeds/$kind"
  corpus="build-fuzz/corpus/$target"
  log="build-fuzz/logs/$target.log"
  rm -rf "$corpus" && mkdir -p "$corpus" build-fuzz/logs
  [ -d "$seeds" ] && cp "$seeds"/* "$corpus"/
  # Room for mutations to grow, and never less than the largest seed (longer inputs are cut).
  max_len="$(find "$corpus" -type f -printf '%s\n' | sort -n | tail -n 1)"
  max_len=$(( ${max_len:-0} > 65536 ? max_len : 65536 ))
  echo "== $target for ${seconds}s from $(ls "$corpus" | wc -l) seeds in $seeds (log $log)"
  "$binary" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
    -artifact_prefix="build-fuzz/$target-" "$corpus" >"$log" 2>&1 || status=$?
  local outcome="ok"
  [ "$status" -eq 0 ] || outcome="FAILED (exit $status, see $log)"
  summary+=("$(printf '%-24s start %-20s end %-20s %s' "$target" \
    "$(coverage "$log" "INITED")" "$(coverage "$log" "^#[0-9]+[[:space:]]")" "$outcome")")
  [ "$status" -eq 0 ] || failures=$((failures + 1))
}

if [ "${1:-}" = "--write-seeds" ]; then
  write_seeds
  exit 0
fi
seconds="${1:-180}"
build zendrova_fuzzers
summary=()
failures=0
for binary in build-fuzz/bin/fuzz_*; do
  [ -x "$binary" ] && fuzz_one "$binary"
done
echo "== coverage (libFuzzer cov: edges, ft: features)"
printf '%s\n' "${summary[@]}"
[ "$failures" -eq 0 ]
