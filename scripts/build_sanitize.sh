#!/usr/bin/env bash
# Configures (once) and builds the sanitizer tree: the libraries and the unit and GL tests
# under AddressSanitizer and UndefinedBehaviorSanitizer.  build_sanitize.sh [folder]
set -euo pipefail
cd "$(dirname "$0")/.."
DIR=${1:-build/asan}
JOBS=${JOBS:-$(nproc)}
if [ ! -f "$DIR/CMakeCache.txt" ]; then
  cmake -S . -B "$DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVAELOR_SANITIZE=ON >/dev/null
fi
cmake --build "$DIR" -j "$JOBS"
