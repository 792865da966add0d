#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each against its file reader
# for a while; any crash, leak, sanitizer report or failed round trip fails the run.
#   scripts/fuzz.sh [SECONDS_PER_TARGET]   (20 by default)
set -euo pipefail
REPO=$(cd "$(dirname "$0")/.." && pwd)
source "$REPO/scripts/common.sh"

FUZZ_SECONDS=${1:-20}
BUILD="$REPO/build-fuzz"
TARGETS=(fuzz-catalogue fuzz-quiz fuzz-heading fuzz-csv)

ensure_packages "${BUILD_PACKAGES[@]}" clang-14 libclang-rt-14-dev

# The libraries get libFuzzer's coverage hooks but not its main(); every report aborts, so none
# can scroll past as a warning while the run carries on.
cmake -S "$REPO" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DVALKORA_FUZZ=ON -DVALKORA_BUILD_TESTS=OFF -DVALKORA_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD" -j"$(nproc)" --target "${TARGETS[@]}" fuzz-seeds

# Fresh seeds every run, so a seed dropped from the generator does not linger.
rm -rf "$BUILD/seeds"
"$BUILD/fuzz-seeds" "$BUILD/seeds"

status=0
for target in "${TARGETS[@]}"; do
  reader=${target#fuzz-}
  # The working corpus keeps what earlier runs found; the seeds stay as the generator wrote them.
  corpus="$BUILD/corpus/$reader"
  findings="$BUILD/findings/$reader"
  log="$BUILD/$target.log"
  mkdir -p "$corpus" "$findings"
  cp "$BUILD/seeds/$reader"/* "$corpus"/

  if "$BUILD/$target" -max_total_time="$FUZZ_SECONDS" -max_len=4096 -timeout=10 \
       -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" >"$log" 2>&1; then
    result=passed
  else
    result="FAILED (exit $?)"
    status=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  seconds=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -n 1)
  if [ -z "$runs" ]; then
    result="FAILED (no statistics in $log)"
    status=1
  fi
  # libFuzzer prints its "Done" line only when the time runs out, not after a finding.
  echo "$target: $result, ${runs:-?} runs${seconds:+ in $seconds s}, corpus of $(ls "$corpus" | wc -l) files"
  if [ "$result" != passed ]; then
    tail -n 40 "$log"
    echo "log: $log; inputs that failed: $findings/"
  fi
done
exit $status
