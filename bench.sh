#!/usr/bin/env bash
# Installs what is missing, builds optimised, and runs the benchmarks beside their targets.
set -euo pipefail
REPO=$(cd "$(dirname "$0")" && pwd)
source "$REPO/scripts/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev
build "$REPO/build-bench" -DCMAKE_BUILD_TYPE=Release -DVALKORA_BUILD_TESTS=OFF -DVALKORA_BUILD_BENCH=ON
"$REPO/build-bench/valkora-bench" "$@"
