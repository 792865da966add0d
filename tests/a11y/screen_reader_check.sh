#!/usr/bin/env bash
# Reads the program as a screen reader does, over AT-SPI: see screen_reader_check.py.
#
#   screen_reader_check.sh PROGRAM DATA_FOLDER
#
# Exits 0 when every check passed, 1 when one failed, and 77 (skipped) with the reason when
# this machine cannot run the accessibility stack. Needs the Debian packages xvfb xauth
# xdotool dbus dbus-x11 at-spi2-core python3-pyatspi.
set -u
[ $# -eq 2 ] || { sed -n 2,8p "$0"; exit 2; }
skip() { echo "SKIPPED: $*"; exit 77; }

for tool in Xvfb xdotool dbus-run-session dbus-send; do
  command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
done
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "at-spi2-core is not installed"
# Debian's pyatspi lives in the system interpreter's packages.
/usr/bin/python3 -c 'import pyatspi' >/dev/null 2>&1 || skip "python3-pyatspi is not installed"
dbus-run-session -- true >/dev/null 2>&1 || skip "dbus-run-session cannot start a session bus"

# The accessibility bus keeps its socket in the runtime folder: one of our own, so that checks
# running side by side, or a desktop's own bus, never meet.
runtime=$(mktemp -d "${TMPDIR:-/tmp}/valkora-a11y-run-XXXXXX") || skip "no temporary folder"
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
# Under the sanitizers the program runs on xcb, whose keyboard library duplicates X replies
# that are not zero-terminated with strndup: correct, but strict string checks call it an
# overflow. Our own code is checked strictly by every other test.
[ -n "${ASAN_OPTIONS:-}" ] && export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
XDG_RUNTIME_DIR=$runtime dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/screen_reader_check.py" "$@"
