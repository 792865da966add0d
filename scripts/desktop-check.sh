#!/usr/bin/env bash
# Checks what a desktop install and the Debian package put down, from a build folder:
#   scripts/desktop-check.sh BUILD
# 1. `cmake --install` into a temporary prefix; the desktop entry and the AppStream metadata
#    pass desktop-file-validate and `appstreamcli validate --no-net` without a remark.
# 2. The launcher seeds the data folder, hands a quiz file on with its full path and starts
#    the program in the data folder.
# 3. The quiz files' MIME type: update-mime-database on the prefix, then `xdg-mime query
#    filetype` of a .qzz (skipped, saying why, where the tools cannot run).
# 4. `cpack -G DEB`: the package's fields and files, then installed into the system, started
#    from PATH with --version and removed again (skipped, saying why, where dpkg cannot
#    install: neither root nor sudo without a password, or valkora already installed).
set -euo pipefail
REPO=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "${1:?usage: desktop-check.sh BUILD}" && pwd)
APP_ID=org.valkora.Valkora
MIME_TYPE=application/x-valkora-quiz
VERSION=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")

work=$(mktemp -d)
sudo=()
package_installed=false
cleanup() {
  if [ "$package_installed" = true ]; then
    echo "Removing the package installed for the check"
    "${sudo[@]}" dpkg -r valkora >/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "desktop check: $*" >&2
  exit 1
}
skip() {
  echo "SKIPPED: $*"
}
# Runs a validator and fails on any remark it prints, as well as on its status.
clean() {
  local output
  output=$("$@" 2>&1) || fail "$* failed:"$'\n'"$output"
  # appstreamcli sums up with a line of its own, names each file it read on a line of its own
  # and counts pedantic hints, which are advice about style; every other remark counts.
  output=$(printf '%s\n' "$output" |
           grep -Ev '^(✔ Validation was successful|P: |[^ ]+\.metainfo\.xml$|$)' || true)
  [ -z "$output" ] || fail "$* has remarks:"$'\n'"$output"
}

echo "== Desktop install into a temporary prefix"
prefix="$work/prefix"
cmake --install "$BUILD" --prefix "$prefix" >/dev/null
desktop_file="$prefix/share/applications/$APP_ID.desktop"
metainfo="$prefix/share/metainfo/$APP_ID.metainfo.xml"
for file in bin/valkora bin/valkora-cli bin/valkora-launch \
            share/valkora/starter/valkora.cat share/valkora/starter/valkora.ani \
            share/valkora/starter/valkora.hed "share/applications/$APP_ID.desktop" \
            "share/mime/packages/$APP_ID.xml" "share/metainfo/$APP_ID.metainfo.xml" \
            share/icons/hicolor/32x32/apps/valkora.png share/icons/hicolor/256x256/apps/valkora.png; do
  [ -e "$prefix/$file" ] || fail "the install put down no $file"
done
grep -qx "Exec=$prefix/bin/valkora-launch %f" "$desktop_file" ||
  fail "the desktop entry does not start the installed launcher with a file: $(grep ^Exec= "$desktop_file")"
grep -qx "MimeType=$MIME_TYPE;" "$desktop_file" || fail "the desktop entry declares no $MIME_TYPE"
clean desktop-file-validate "$desktop_file"
clean appstreamcli validate --no-net "$metainfo"
# The metadata read together with the desktop entry it launches.
clean appstreamcli validate-tree --no-net "$prefix"
echo "desktop entry and metadata: clean"

echo "== The launcher"
# The installed launcher, with a stand-in for the program that says where it was started and
# with what.
launcher="$work/valkora-launch"
sed "s|\"$prefix/bin/valkora\"|\"$work/stand-in\"|" "$prefix/bin/valkora-launch" >"$launcher"
chmod +x "$launcher"
printf '#!/bin/sh\npwd\nfor a do echo "$a"; done\n' >"$work/stand-in"
chmod +x "$work/stand-in"
mkdir -p "$work/teacher/week 1"
data="$work/home/Valkora"
VALKORA_HOME="$data" "$launcher" --seed-only >"$work/started"
[ ! -s "$work/started" ] || fail "--seed-only started the program"
for file in valkora.cat valkora.ani valkora.hed; do
  cmp -s "$data/$file" "$REPO/data/$file" || fail "the launcher did not seed $file"
done
(cd "$work/teacher" && VALKORA_HOME="$data" "$launcher" "week 1/quiz-A.qzz") >"$work/started"
printf '%s\n' "$data" "$work/teacher/week 1/quiz-A.qzz" | cmp -s - "$work/started" ||
  fail "the launcher started the program as"$'\n'"$(cat "$work/started")"
(cd "$work/teacher" && VALKORA_HOME="$data" "$launcher" /srv/a.qzz) >"$work/started"
printf '%s\n' "$data" /srv/a.qzz | cmp -s - "$work/started" ||
  fail "the launcher changed a full path:"$'\n'"$(cat "$work/started")"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/valkora-launch" --version)" = "valkora $VERSION" ] ||
  fail "valkora-launch --version does not answer with the program's version"
echo "launcher: seeds, passes the file on with its full path, starts in the data folder"

echo "== The quiz files' MIME type"
if ! command -v update-mime-database >/dev/null || ! command -v xdg-mime >/dev/null; then
  skip "update-mime-database or xdg-mime is not installed (packages shared-mime-info, xdg-utils)"
elif ! command -v mimetype >/dev/null; then
  skip "xdg-mime outside a desktop session needs mimetype (package libfile-mimeinfo-perl)"
else
  in_prefix=(env XDG_DATA_HOME="$prefix/share" XDG_DATA_DIRS="$prefix/share:/usr/share"
             XDG_CURRENT_DESKTOP=)
  "${in_prefix[@]}" update-mime-database "$prefix/share/mime"
  printf '\0\0\0\0' >"$work/week1.qzz"
  found=$("${in_prefix[@]}" xdg-mime query filetype "$work/week1.qzz")
  [ "$found" = "$MIME_TYPE" ] || fail "xdg-mime calls a .qzz file '$found', not $MIME_TYPE"
  echo "xdg-mime query filetype week1.qzz: $found"
  update-desktop-database "$prefix/share/applications"
  opener=$("${in_prefix[@]}" xdg-mime query default "$MIME_TYPE")
  [ "$opener" = "$APP_ID.desktop" ] || fail "$MIME_TYPE opens with '$opener', not $APP_ID.desktop"
  echo "xdg-mime query default $MIME_TYPE: $opener"
fi

echo "== The Debian package"
if ! command -v dpkg-shlibdeps >/dev/null; then
  fail "dpkg-shlibdeps is missing (package dpkg-dev)"
fi
cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack -G DEB failed"; }
deb="$work/package/valkora_${VERSION}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$work/package")"
info=$(dpkg-deb --info "$deb")
for field in "Package: valkora" "Version: $VERSION" "Section: education" \
             "Architecture: $(dpkg --print-architecture)"; do
  grep -qx " $field" <<<"$info" || fail "the package has no '$field':"$'\n'"$info"
done
grep -q '^ Maintainer: .*<.*@.*>' <<<"$info" || fail "the package names no maintainer"
grep -q '^ Description: .' <<<"$info" || fail "the package has no description"
# Found by dpkg-shlibdeps, not written by hand: the Qt widgets library and the C++ library.
grep '^ Depends:' <<<"$info" | grep -q 'libqt6widgets6' ||
  fail "the package's dependencies miss the Qt libraries:"$'\n'"$info"
grep '^ Depends:' <<<"$info" | grep -q 'libstdc++6' ||
  fail "the package's dependencies miss the C++ library:"$'\n'"$info"
contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
for file in usr/bin/valkora usr/bin/valkora-cli usr/bin/valkora-launch \
            usr/share/valkora/starter/valkora.cat usr/share/valkora/starter/valkora.ani \
            usr/share/valkora/starter/valkora.hed "usr/share/applications/$APP_ID.desktop" \
            "usr/share/mime/packages/$APP_ID.xml" "usr/share/metainfo/$APP_ID.metainfo.xml" \
            usr/share/icons/hicolor/32x32/apps/valkora.png \
            usr/share/icons/hicolor/256x256/apps/valkora.png; do
  grep -qx "\./$file" <<<"$contents" || fail "the package holds no /$file"
done
# The launcher and the menu entry name the paths the package installs to.
dpkg-deb -x "$deb" "$work/unpacked"
grep -qx 'STARTER="/usr/share/valkora/starter"' "$work/unpacked/usr/bin/valkora-launch" &&
  grep -q 'exec "/usr/bin/valkora" "\$@"' "$work/unpacked/usr/bin/valkora-launch" ||
  fail "the packaged launcher does not name /usr:"$'\n'"$(cat "$work/unpacked/usr/bin/valkora-launch")"
grep -qx 'Exec=/usr/bin/valkora-launch %f' "$work/unpacked/usr/share/applications/$APP_ID.desktop" ||
  fail "the packaged menu entry does not start /usr/bin/valkora-launch"
echo "$(basename "$deb"): fields, dependencies and files as they should be"

if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    sudo=(sudo -n)
  else
    skip "installing the package needs root or sudo without a password"
    exit 0
  fi
fi
if dpkg -s valkora >/dev/null 2>&1; then
  skip "installing the package: valkora is installed on this machine already, and stays as it is"
  exit 0
fi
"${sudo[@]}" dpkg -i "$deb" >/dev/null || fail "dpkg -i $(basename "$deb") failed"
package_installed=true
hash -r
[ "$(command -v valkora)" = /usr/bin/valkora ] || fail "valkora is not found on PATH after dpkg -i"
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY valkora --version)
[ "$answer" = "valkora $VERSION" ] || fail "valkora --version from PATH says '$answer'"
echo "installed: valkora --version from PATH says '$answer'"
# The package's triggers register the MIME type and the menu entry system-wide.
if command -v xdg-mime >/dev/null && command -v mimetype >/dev/null; then
  printf '\0\0\0\0' >"$work/week1.qzz"
  found=$(env -u XDG_DATA_HOME -u XDG_DATA_DIRS XDG_CURRENT_DESKTOP= \
          xdg-mime query filetype "$work/week1.qzz")
  [ "$found" = "$MIME_TYPE" ] || fail "installed, a .qzz file is '$found', not $MIME_TYPE"
  echo "installed: xdg-mime query filetype week1.qzz: $found"
fi
"${sudo[@]}" dpkg -r valkora >/dev/null || fail "dpkg -r valkora failed"
package_installed=false
[ ! -e /usr/bin/valkora ] || fail "/usr/bin/valkora is still there after dpkg -r"
echo "removed again"
