#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need.
# Non-interactive and quick when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev libgl1-mesa-dev libxkbcommon-dev
  libgtest-dev libgmock-dev libbenchmark-dev libsqlite3-dev libssl-dev
  python3-dbfread python3-dbf ruby-dbf mscompress
  fonts-dejavu-core xvfb xauth xdotool x11-apps poppler-utils
)
if [ "${1:-}" = "--extra" ]; then
  # Sanitizer, fuzzing and screenshot tooling for developers.
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
