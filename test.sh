#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the suite as it ships, the same
# suite under AddressSanitizer and UndefinedBehaviorSanitizer, and the file readers' fuzzers.
set -euo pipefail
REPO=$(cd "$(dirname "$0")" && pwd)
source "$REPO/scripts/common.sh"

# poppler-utils: the tests read the text of the PDFs they print with pdftotext.
# The desktop check: shared-mime-info xdg-utils libfile-mimeinfo-perl (xdg-mime outside a
# desktop session), desktop-file-utils appstream (the validators), dpkg-dev (dpkg-shlibdeps).
# Looking at the program under a virtual display with a screen reader's view of it:
# at-spi2-core python3-pyatspi dbus dbus-x11 xvfb xauth xdotool.
# A print server of the tests' own, which jobs go to as they go to a school's: cups cups-client.
# libbenchmark-dev: the benchmarks are built with the suite, so that no change leaves them
# behind; ./bench.sh runs them.
# libxml2-utils: xmllint holds the QTI packages for learning platforms to the IMS schema.
ensure_packages "${BUILD_PACKAGES[@]}" poppler-utils \
  shared-mime-info xdg-utils libfile-mimeinfo-perl desktop-file-utils appstream dpkg-dev \
  at-spi2-core python3-pyatspi dbus dbus-x11 xvfb xauth xdotool cups cups-client libbenchmark-dev \
  libxml2-utils

echo "== Tests"
build "$REPO/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVALKORA_BUILD_TESTS=ON -DVALKORA_BUILD_BENCH=ON
ctest --test-dir "$REPO/build" --output-on-failure -j"$(nproc)"

# The install, its desktop entry, metadata and MIME type, and the Debian package, from the
# build just tested.
"$REPO/scripts/desktop-check.sh" "$REPO/build"

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
build "$REPO/build-asan" -DCMAKE_BUILD_TYPE=Debug -DVALKORA_SANITIZE=ON -DVALKORA_BUILD_TESTS=ON
# Any report ends the test that made it with a failure; leaks are reported at exit.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$REPO/build-asan" --output-on-failure -j"$(nproc)"

echo "== Fuzzing the file readers"
"$REPO/scripts/fuzz.sh"
