#!/usr/bin/env bash
# Builds everything and runs every test; ends with the test runner's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh -DZENDROVA_WERROR=ON
cd build
ctest --output-on-failure --parallel 2 --timeout 600
