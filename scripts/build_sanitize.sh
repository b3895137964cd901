#!/usr/bin/env bash
# Configures (once) and builds the sanitizer tree: the libraries and the unit and GL tests
# under AddressSanitizer and UndefinedBehaviorSanitizer.  build_sanitize.sh [folder]
set -euo pipefail
cd "$(dirname "$0")/.."
DIR=${1:-build/asan}
JOBS=${JOBS:-$(nproc)}
if [ ! -f "$DIR/CMakeCache.txt" ]; then
  # Light optimisation and line tables only: the sanitizers need no more, and it builds faster.
  cmake -S . -B "$DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVAELOR_SANITIZE=ON \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1" "-DCMAKE_C_FLAGS_RELWITHDEBINFO=-O1 -g1" >/dev/null
fi
cmake --build "$DIR" -j "$JOBS"
