#!/usr/bin/env bash
# Installs the Debian packages the build, the asset tools and the tests need,
# but only those that are missing: a machine that has them all runs no apt at all.
set -euo pipefail

PACKAGES=(
  # build
  build-essential cmake pkg-config libsdl2-dev libgl-dev libglu1-mesa-dev
  libopenal-dev libogg-dev libvorbis-dev
  # asset tools
  libfreetype-dev fonts-dejavu-core libcairo2-dev libpng-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev libstb-dev
  xvfb xauth xfonts-base x11-utils xdotool
  # fuzzing and sanitizers
  clang libclang-rt-14-dev
  # profiling
  valgrind
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "deps: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "deps: done"
