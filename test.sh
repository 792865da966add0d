#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
REPO=$(cd "$(dirname "$0")" && pwd)
source "$REPO/scripts/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"
build "$REPO/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVALKORA_BUILD_TESTS=ON
ctest --test-dir "$REPO/build" --output-on-failure -j"$(nproc)"
