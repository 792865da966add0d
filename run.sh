#!/usr/bin/env bash
# Installs what is missing, builds, seeds the data folder with the starter lists where a file
# is missing, and starts the program in that folder.
set -euo pipefail
REPO=$(cd "$(dirname "$0")" && pwd)
source "$REPO/scripts/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"
build "$REPO/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo

# The launcher seeds ~/Valkora (or $VALKORA_HOME) and never overwrites a teacher's file.
"$REPO/build/valkora-launch" --seed-only

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<MSG
Valkora is built, and its data folder is ${VALKORA_HOME:-$HOME/Valkora},
but there is no display to show its window on (neither DISPLAY nor WAYLAND_DISPLAY is set).
Start it from a desktop session, or under a virtual display:
  sudo apt-get install --no-install-recommends xvfb xauth
  xvfb-run -a -s "-screen 0 1024x768x24" $REPO/run.sh
MSG
  exit 1
fi

exec "$REPO/build/valkora-launch"
