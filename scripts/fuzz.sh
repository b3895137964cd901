#!/usr/bin/env bash
# Builds every libFuzzer target (clang, AddressSanitizer + UndefinedBehaviorSanitizer) in a build
# folder of its own and runs each for a bounded time on a scratch copy of its seed corpus.
# Exits non-zero when the build fails or any target finds a crash, a leak, a timeout or an
# input that needs too much memory.
#
#   scripts/fuzz.sh [seconds-per-target]
#
# Environment: FUZZ_SECONDS (seconds per target when no argument is given, default 5),
# FUZZ_BUILD_DIR (default build-fuzz/ in the source folder), FUZZ_TARGETS (names to run,
# default all), FUZZ_JOBS (build jobs, default 2), FUZZ_PARALLEL (targets run at once, default
# 1), FUZZ_TIMEOUT (seconds one input may take, default 10).
set -uo pipefail

SOURCE_DIR=$(cd "$(dirname "$0")/.." && pwd)
SECONDS_EACH=${1:-${FUZZ_SECONDS:-5}}
BUILD=${FUZZ_BUILD_DIR:-$SOURCE_DIR/build-fuzz}
JOBS=${FUZZ_JOBS:-2}
PARALLEL=${FUZZ_PARALLEL:-1}
INPUT_TIMEOUT=${FUZZ_TIMEOUT:-10}
# Everything is instrumented; each target links libFuzzer's main itself (-fsanitize=fuzzer in
# its link options), which keeps CMake's compiler checks working.
SANITIZERS="-fsanitize=address,undefined"
COMPILE_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
COMPILE_FLAGS="$COMPILE_FLAGS -fno-omit-frame-pointer -g"

if ! [[ "$SECONDS_EACH" =~ ^[0-9]+$ ]] || [ "$SECONDS_EACH" -lt 1 ]; then
  echo "fuzz: seconds per target must be a positive whole number, not '$SECONDS_EACH'" >&2
  exit 2
fi
if ! [[ "$PARALLEL" =~ ^[0-9]+$ ]] || [ "$PARALLEL" -lt 1 ]; then
  echo "fuzz: FUZZ_PARALLEL must be a positive whole number, not '$PARALLEL'" >&2
  exit 2
fi
for tool in clang clang++ cmake; do
  if ! command -v "$tool" >/dev/null; then
    echo "fuzz: $tool not found (scripts/deps.sh installs it)" >&2
    exit 2
  fi
done

echo "fuzz: building the targets in $BUILD"
mkdir -p "$BUILD"
cmake -S "$SOURCE_DIR" -B "$BUILD" -DVAELOR_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_FLAGS="$COMPILE_FLAGS" -DCMAKE_CXX_FLAGS="$COMPILE_FLAGS" \
  -DCMAKE_EXE_LINKER_FLAGS="$SANITIZERS" \
  -DCMAKE_RUNTIME_OUTPUT_DIRECTORY="$BUILD/bin" >"$BUILD/configure.log" 2>&1 || {
  tail -40 "$BUILD/configure.log" >&2
  echo "fuzz: configuring failed (full log: $BUILD/configure.log)" >&2
  exit 1
}
# Keep going past a broken target so the others still run; the status remembers the failure.
status=0
cmake --build "$BUILD" -j "$JOBS" -- -k >"$BUILD/build.log" 2>&1 || {
  grep -E "error|Error" "$BUILD/build.log" | head -40 >&2
  echo "fuzz: building failed (full log: $BUILD/build.log)" >&2
  status=1
}

# A target's seed corpus is fuzz/corpus/<name without _fuzz>/ or fuzz/corpus/<name>/.
corpus_of() {
  local name=$1
  for dir in "$SOURCE_DIR/fuzz/corpus/${name%_fuzz}" "$SOURCE_DIR/fuzz/corpus/$name"; do
    if [ -d "$dir" ]; then
      echo "$dir"
      return
    fi
  done
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$BUILD/artifacts"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:symbolize=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# Runs one target on a scratch copy of its seeds; leaves its exit status in $BUILD/<name>.status.
run_target() {
  local bin=$1 name
  name=$(basename "$bin")
  local corpus="$scratch/$name" seeds
  mkdir -p "$corpus"
  seeds=$(corpus_of "$name")
  if [ -n "$seeds" ]; then
    cp -r "$seeds/." "$corpus/"
  else
    echo "fuzz: $name has no seed corpus in fuzz/corpus/, starting empty"
  fi
  "$bin" -max_total_time="$SECONDS_EACH" -rss_limit_mb=1024 -malloc_limit_mb=512 \
    -timeout="$INPUT_TIMEOUT" -artifact_prefix="$BUILD/artifacts/$name-" "$corpus" \
    >"$BUILD/$name.log" 2>&1
  echo $? >"$BUILD/$name.status"
}

targets=()
for bin in "$BUILD"/bin/*_fuzz; do
  [ -x "$bin" ] || continue
  name=$(basename "$bin")
  if [ -n "${FUZZ_TARGETS:-}" ] && ! [[ " $FUZZ_TARGETS " == *" $name "* ]]; then
    continue
  fi
  targets+=("$name")
  rm -f "$BUILD/$name.status"
  while [ "$(jobs -rp | wc -l)" -ge "$PARALLEL" ]; do wait -n; done
  run_target "$bin" &
done
wait

ran=${#targets[@]}
for name in "${targets[@]}"; do
  rc=$(cat "$BUILD/$name.status" 2>/dev/null || echo "no status")
  log="$BUILD/$name.log"
  runs=$(grep -Eo "Done [0-9]+ runs" "$log" | tail -1)
  if [ "$rc" = "0" ]; then
    echo "fuzz: $name ok (${runs:-no run count}, $SECONDS_EACH s)"
  else
    status=1
    echo "fuzz: $name FAILED (exit $rc); log $log" >&2
    grep -E "ERROR|SUMMARY|runtime error|Test unit written" "$log" | head -20 >&2
  fi
done

if [ $ran -eq 0 ]; then
  echo "fuzz: no targets were built" >&2
  status=1
fi
exit $status
