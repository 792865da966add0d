#!/usr/bin/env bash
# Installs what is missing, builds, seeds the data folder with the starter lists where a file
# is missing, and starts the program in that folder.
set -euo pipefail
REPO=$(cd "$(dirname "$0")" && pwd)
source "$REPO/scripts/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"
build "$REPO/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo

DATA=${VALKORA_HOME:-$HOME/Valkora}
mkdir -p "$DATA"
for file in valkora.cat valkora.ani valkora.hed; do
  # Never overwrites a teacher's own file.
  [ -e "$DATA/$file" ] || cp "$REPO/data/$file" "$DATA/$file"
done

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<MSG
Valkora is built, and its data folder is $DATA,
but there is no display to show its window on (neither DISPLAY nor WAYLAND_DISPLAY is set).
Start it from a desktop session, or under a virtual display:
  sudo apt-get install --no-install-recommends xvfb xauth
  xvfb-run -a -s "-screen 0 1024x768x24" $REPO/run.sh
MSG
  exit 1
fi

cd "$DATA"
exec "$REPO/build/valkora"
